#include "output/wmf_canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/encoding.h"

namespace marvoten {
namespace {

constexpr std::size_t maxPolylinePoints = 8000;

// Metafile coordinates are signed 16-bit pixel numbers; the pixel numbered i covers
// the drawing's continuous span [i, i + 1), so a line drawn at 0.5 lands on pixel 0.
std::int16_t coordinate(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<std::int16_t>(std::clamp<double>(std::floor(v), -32768, 32767));
}

void putWord(std::string& out, std::uint16_t w) {
    out.push_back(static_cast<char>(w & 0xFF));
    out.push_back(static_cast<char>(w >> 8));
}

void putDword(std::string& out, std::uint32_t d) {
    putWord(out, static_cast<std::uint16_t>(d & 0xFFFF));
    putWord(out, static_cast<std::uint16_t>(d >> 16));
}

// COLORREF: red, green, blue, 0 - as two words.
std::vector<std::int16_t> colourRef(Rgb c) {
    return {static_cast<std::int16_t>(c.r | (c.g << 8)), static_cast<std::int16_t>(c.b)};
}

std::string cp932Text(const std::string& utf8) {
    try {
        return toCp932(utf8);
    } catch (const EncodingError&) {
        std::string out;
        for (const auto& c : utf8Characters(utf8)) {
            try {
                out += c.valid ? toCp932(std::string(c.bytes)) : "?";
            } catch (const EncodingError&) {
                out += "?";
            }
        }
        return out;
    }
}

}  // namespace

WmfCanvas::WmfCanvas(int width, int height, int unitsPerInch)
    : width_(width), height_(height), unitsPerInch_(unitsPerInch), area_(width, height) {
    record(wmf::SetWindowOrg, {0, 0});
    record(wmf::SetWindowExt, {coordinate(height), coordinate(width)});
    record(wmf::SetBkMode, {1});  // transparent: text leaves the ground as it is
}

void WmfCanvas::requireOpen() const {
    if (finished_) throw std::logic_error("WmfCanvas: drawing after the file was finished");
}

void WmfCanvas::record(wmf::Function function, const std::vector<std::int16_t>& words,
                       const std::string& tail) {
    std::string padded = tail;
    if (padded.size() % 2) padded.push_back('\0');
    const std::uint32_t size = 3 + static_cast<std::uint32_t>(words.size() + padded.size() / 2);
    putDword(records_, size);
    putWord(records_, function);
    for (auto w : words) putWord(records_, static_cast<std::uint16_t>(w));
    records_ += padded;
    maxRecordWords_ = std::max(maxRecordWords_, size);
}

// A new object takes the lowest free slot of the object table, as players number them.
int WmfCanvas::createObject() {
    auto free = std::find(slots_.begin(), slots_.end(), false);
    int slot = static_cast<int>(free - slots_.begin());
    if (free == slots_.end())
        slots_.push_back(true);
    else
        *free = true;
    maxObjects_ = std::max(
        maxObjects_, static_cast<std::size_t>(std::count(slots_.begin(), slots_.end(), true)));
    return slot;
}

// Selects the new object; the one it replaces is deleted unless the clip's
// saved state still holds it.
void WmfCanvas::replaceObject(int& current, int created) {
    record(wmf::SelectObject, {static_cast<std::int16_t>(created)});
    const int old = current;
    current = created;
    if (old < 0) return;
    if (area_.clipped() && (old == saved_.pen || old == saved_.brush || old == saved_.font)) return;
    record(wmf::DeleteObject, {static_cast<std::int16_t>(old)});
    slots_[static_cast<std::size_t>(old)] = false;
}

// The pen styles of a metafile are numbered as the dashes are.
static_assert(static_cast<int>(LineDash::Dash) == 1 && static_cast<int>(LineDash::Dot) == 2 &&
              static_cast<int>(LineDash::DashDot) == 3);

void WmfCanvas::usePen(const PenSpec& spec) {
    if (state_.pen >= 0 && state_.penSpec == spec) return;
    const int slot = createObject();
    std::vector<std::int16_t> words{
        // PS_NULL, or PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT
        static_cast<std::int16_t>(spec.none ? 5 : static_cast<int>(spec.dash)),
        static_cast<std::int16_t>(spec.width), 0};
    for (auto w : colourRef(spec.colour)) words.push_back(w);
    record(wmf::CreatePenIndirect, words);
    state_.penSpec = spec;
    replaceObject(state_.pen, slot);
}

void WmfCanvas::useBrush(Rgb colour) {
    if (state_.brush >= 0 && state_.brushColour == colour) return;
    const int slot = createObject();
    std::vector<std::int16_t> words{0};  // BS_SOLID
    for (auto w : colourRef(colour)) words.push_back(w);
    words.push_back(0);  // hatch, unused
    record(wmf::CreateBrushIndirect, words);
    state_.brushColour = colour;
    replaceObject(state_.brush, slot);
}

void WmfCanvas::useFont(const FontSpec& spec) {
    if (state_.font >= 0 && state_.fontSpec == spec) return;
    const int slot = createObject();
    const auto tenths = static_cast<std::int16_t>(spec.angle * 10);
    std::vector<std::int16_t> words{
        static_cast<std::int16_t>(-spec.pixelSize),  // negative: character height
        0, tenths, tenths, static_cast<std::int16_t>(spec.bold ? 700 : 400)};
    std::string tail;
    tail.push_back(0);  // italic
    tail.push_back(0);  // underline
    tail.push_back(0);  // strike-out
    tail.push_back(static_cast<char>(wmf::shiftJisCharset));
    tail.push_back(0);  // output precision
    tail.push_back(0);  // clip precision
    tail.push_back(0);  // quality
    // Fixed pitch; Gothic is a modern face, Mincho a roman one.
    tail.push_back(static_cast<char>(spec.face == FontFace::Gothic ? 0x31 : 0x11));
    std::string face = toCp932(japaneseFaceName(spec.face));
    face.resize(32, '\0');
    tail += face;
    record(wmf::CreateFontIndirect, words, tail);
    state_.fontSpec = spec;
    replaceObject(state_.font, slot);
}

void WmfCanvas::fillRectangle(const CanvasRect& asked, Rgb colour) {
    requireOpen();
    const CanvasRect area = area_.drawable();
    const CanvasRect rect = intersection(asked, area);
    if (rect.width <= 0 || rect.height <= 0) return;
    usePen({colour, 1, true});
    useBrush(colour);
    // With no outline a rectangle covers its right and bottom edges only up to
    // the pixel before them; one more keeps the area as asked, within the picture.
    record(wmf::Rectangle, {coordinate(std::min(rect.bottom() + 1, area.bottom())),
                            coordinate(std::min(rect.right() + 1, area.right())),
                            coordinate(rect.top), coordinate(rect.left)});
}

void WmfCanvas::polyline(const std::vector<CanvasPoint>& points, const Pen& pen) {
    requireOpen();
    for (const auto& piece : clipPolyline(points, area_.drawable())) writePolyline(piece, pen);
}

void WmfCanvas::writePolyline(const std::vector<CanvasPoint>& points, const Pen& pen) {
    usePen({pen.colour, std::max(1, pen.width), false, pen.dash});
    // Long lines go out in pieces that share their end points.
    for (std::size_t start = 0; start + 1 < points.size(); start += maxPolylinePoints - 1) {
        const std::size_t end = std::min(points.size(), start + maxPolylinePoints);
        std::vector<std::int16_t> words{static_cast<std::int16_t>(end - start)};
        for (std::size_t i = start; i < end; ++i) {
            words.push_back(coordinate(points[i].x));
            words.push_back(coordinate(points[i].y));
        }
        record(wmf::Polyline, words);
    }
}

void WmfCanvas::text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
                     int angleDegrees) {
    requireOpen();
    std::string bytes = cp932Text(utf8);
    if (bytes.empty()) return;
    if (bytes.size() > 8000) bytes.resize(8000);
    useFont({font.face, font.pixelSize, font.bold, angleDegrees});
    if (!state_.textColourSet || !(state_.textColour == font.colour)) {
        record(wmf::SetTextColor, colourRef(font.colour));
        state_.textColourSet = true;
        state_.textColour = font.colour;
    }
    // TA_BASELINE with TA_LEFT, TA_CENTER or TA_RIGHT.
    const int align = 24 | (anchor.horizontal == HorizontalAnchor::Left     ? 0
                            : anchor.horizontal == HorizontalAnchor::Centre ? 6
                                                                            : 2);
    if (state_.textAlign != align) {
        record(wmf::SetTextAlign, {static_cast<std::int16_t>(align)});
        state_.textAlign = align;
    }
    // The baseline lies across the text direction from the anchor point.
    const double a = angleDegrees * 3.14159265358979323846 / 180;
    const double offset = baselineOffset(anchor.vertical, font.pixelSize);
    const double x = at.x + std::sin(a) * offset;
    const double y = at.y + std::cos(a) * offset;
    record(wmf::ExtTextOut,
           {coordinate(y), coordinate(x), static_cast<std::int16_t>(bytes.size()), 0}, bytes);
}

void WmfCanvas::setClip(const CanvasRect& rect) {
    requireOpen();
    resetClip();
    record(wmf::SaveDc, {});
    saved_ = state_;
    area_.clip(rect);
    record(wmf::IntersectClipRect, {coordinate(rect.bottom()), coordinate(rect.right()),
                                    coordinate(rect.top), coordinate(rect.left)});
}

// RestoreDC brings back what was selected at SaveDC; what was selected since
// is no longer in use and is deleted.
void WmfCanvas::releaseUnselected(const State& from) {
    for (int slot : {from.pen, from.brush, from.font}) {
        if (slot < 0 || slot == state_.pen || slot == state_.brush || slot == state_.font) continue;
        record(wmf::DeleteObject, {static_cast<std::int16_t>(slot)});
        slots_[static_cast<std::size_t>(slot)] = false;
    }
}

void WmfCanvas::resetClip() {
    requireOpen();
    if (!area_.clipped()) return;
    record(wmf::RestoreDc, {-1});
    area_.unclip();
    const State inside = state_;
    state_ = saved_;
    releaseUnselected(inside);
}

const std::string& WmfCanvas::bytes() {
    if (finished_) return file_;
    resetClip();
    const State last = state_;
    state_ = State{};
    releaseUnselected(last);
    record(wmf::Eof, {});
    finished_ = true;

    std::string header;
    putDword(header, wmf::placeableKey);
    putWord(header, 0);  // handle, zero in a file
    for (int v : {0, 0, width_, height_})
        putWord(header, static_cast<std::uint16_t>(coordinate(v)));
    putWord(header, static_cast<std::uint16_t>(unitsPerInch_));
    putDword(header, 0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < header.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(header[i]) |
                                               (static_cast<unsigned char>(header[i + 1]) << 8));
    putWord(header, checksum);

    putWord(header, 1);  // metafile type: the value placeable files carry and every reader accepts
    putWord(header, wmf::metaHeaderWords);
    putWord(header, 0x0300);
    putDword(header, static_cast<std::uint32_t>(wmf::metaHeaderWords + records_.size() / 2));
    putWord(header, static_cast<std::uint16_t>(std::max<std::size_t>(maxObjects_, 1)));
    putDword(header, maxRecordWords_);
    putWord(header, 0);
    file_ = header + records_;
    return file_;
}

}  // namespace marvoten
