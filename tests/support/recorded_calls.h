#pragma once
// The drawing calls a RecordingCanvas kept, one readable line each, for
// comparing two drawings call by call.
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "output/recording_canvas.h"

namespace marvoten::testing {

inline std::vector<std::string> recordedCalls(const RecordingCanvas& canvas) {
    std::vector<std::string> out;
    for (const auto& call : canvas.calls()) {
        std::ostringstream s;
        s.precision(10);
        if (const auto* f = std::get_if<RecordingCanvas::Fill>(&call)) {
            s << "fill " << f->rect.left << ',' << f->rect.top << ' ' << f->rect.width << 'x'
              << f->rect.height << " #" << f->colour.value();
        } else if (const auto* p = std::get_if<RecordingCanvas::Polyline>(&call)) {
            s << "line #" << p->pen.colour.value() << " w" << p->pen.width;
            for (const auto& q : p->points) s << ' ' << q.x << ',' << q.y;
        } else if (const auto* t = std::get_if<RecordingCanvas::Text>(&call)) {
            s << "text " << t->at.x << ',' << t->at.y << ' ' << t->font.pixelSize << "px "
              << t->angle << "deg " << t->text;
        } else if (const auto* c = std::get_if<RecordingCanvas::Clip>(&call)) {
            s << (c->set ? "clip " : "unclip ") << c->rect.left << ',' << c->rect.top << ' '
              << c->rect.width << 'x' << c->rect.height;
        }
        out.push_back(s.str());
    }
    return out;
}

}  // namespace marvoten::testing
