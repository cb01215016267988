#pragma once
// Reads back what a page's content stream draws, independently of the writer: the
// texts with their positions and sizes, the stroked lines and rectangles with
// their widths and colours, and where the graphics state is saved and restored.
// Every drawing carries its position in the stream, so tests can check what lies
// inside a clip.
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/encoding.h"

namespace marvoten::testing {

struct DrawnText {
    double x = 0, y = 0, size = 0;
    std::string text;  // UTF-8; the lines of a multi-line text joined with "\n"
    int order = 0;
};

struct DrawnLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, width = 0;
    std::string colour;  // the stroke colour operands, "1 0 0"
    int order = 0;
};

struct DrawnRect {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, width = 0;
    bool clip = false;
    int order = 0;
};

struct PageDrawing {
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<DrawnRect> rects;
    std::vector<int> saves, restores;  // orders of "q" and "Q"

    // The texts equal to `text`.
    std::vector<DrawnText> textsEqualTo(const std::string& text) const {
        std::vector<DrawnText> found;
        for (const auto& t : texts)
            if (t.text == text) found.push_back(t);
        return found;
    }
    bool hasText(const std::string& text) const { return !textsEqualTo(text).empty(); }
};

inline std::string decodeStringOperand(const std::string& operand) {
    std::string bytes;
    if (operand.front() == '<') {
        for (std::size_t i = 1; i + 1 < operand.size() && operand[i] != '>'; i += 2)
            bytes += static_cast<char>(std::strtol(operand.substr(i, 2).c_str(), nullptr, 16));
    } else {
        for (std::size_t i = 1; i + 1 < operand.size(); ++i) {
            if (operand[i] == '\\') ++i;
            bytes += operand[i];
        }
    }
    return fromCp932(bytes);
}

// Operators are separated by CR, as the writer ends every one.
inline PageDrawing readContentStream(const std::string& stream) {
    PageDrawing page;
    std::vector<std::string> ops;
    std::string op;
    std::istringstream in(stream);
    while (std::getline(in, op, '\r'))
        if (!op.empty()) ops.push_back(op);

    double size = 0, width = 1, textX = 0, textY = 0;
    std::string colour = "0 0 0";
    std::vector<std::pair<double, double>> path;
    bool clipPath = false;
    DrawnText text;
    int order = 0;
    auto numbers = [](const std::string& s) {
        std::istringstream n(s);
        std::vector<double> v;
        for (double d; n >> d;) v.push_back(d);
        return v;
    };
    auto ends = [](const std::string& s, const std::string& tail) {
        return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
    };
    for (const std::string& o : ops) {
        ++order;
        if (o == "BT") {
            text = DrawnText{};
        } else if (ends(o, " Tf")) {
            size = numbers(o.substr(o.find(' ')))[0];
        } else if (ends(o, " Td")) {
            auto v = numbers(o);
            textX = v[0];
            textY = v[1];
        } else if (ends(o, " Tj")) {
            if (!text.text.empty()) text.text += "\n";
            text.text += decodeStringOperand(o.substr(0, o.size() - 3));
        } else if (o == "ET") {
            text.x = textX;
            text.y = textY;
            text.size = size;
            text.order = order;
            page.texts.push_back(text);
        } else if (ends(o, " RG")) {
            colour = o.substr(0, o.size() - 3);
        } else if (ends(o, " RG ")) {
            colour = o.substr(0, o.size() - 4);
        } else if (ends(o, " w")) {
            width = numbers(o)[0];
        } else if (ends(o, " m")) {
            path.clear();
            clipPath = false;
            auto v = numbers(o);
            path.push_back({v[0], v[1]});
        } else if (ends(o, " l")) {
            auto v = numbers(o);
            path.push_back({v[0], v[1]});
        } else if (o == "W") {
            clipPath = true;
        } else if (o == "S" && path.size() == 2) {
            page.lines.push_back({path[0].first, path[0].second, path[1].first, path[1].second,
                                  width, colour, order});
        } else if (o == "s" && path.size() == 4) {
            page.rects.push_back({path[0].first, path[0].second, path[2].first, path[2].second,
                                  width, clipPath, order});
        } else if (o == "q") {
            page.saves.push_back(order);
        } else if (o == "Q") {
            page.restores.push_back(order);
        }
    }
    return page;
}

// The content streams of a file written by TPDFMaker, in page order (each page's
// contents object follows its page object, so file order is page order).
inline std::vector<std::string> contentStreams(const std::string& file) {
    std::vector<std::string> streams;
    const std::string lengthKey = "/Length ";
    for (std::size_t at = file.find(lengthKey); at != std::string::npos;
         at = file.find(lengthKey, at + 1)) {
        const std::size_t length = std::stoul(file.substr(at + lengthKey.size()));
        const std::size_t start = file.find("stream\r\n", at) + 8;
        streams.push_back(file.substr(start, length));
    }
    return streams;
}

inline std::vector<PageDrawing> readPages(const std::string& file) {
    std::vector<PageDrawing> pages;
    for (const std::string& s : contentStreams(file)) pages.push_back(readContentStream(s));
    return pages;
}

}  // namespace marvoten::testing
