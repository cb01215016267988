#pragma once
// A canvas that records a 16-bit Windows Metafile with the placeable header, the
// figure-file format that word processors on Windows paste as a vector picture.
// One logical unit is one pixel of the figure; the header states 96 per inch, so
// the picture keeps its on-screen size.
//
//   WmfCanvas wmf(400, 300);
//   renderFigure(figure, {400, 300}, wmf);
//   writeFileSafely(path, wmf.bytes());
#include <cstdint>
#include <string>
#include <vector>

#include "output/canvas.h"

namespace marvoten {

namespace wmf {
inline constexpr std::uint32_t placeableKey = 0x9AC6CDD7;
inline constexpr int placeableHeaderBytes = 22;
inline constexpr int metaHeaderWords = 9;
inline constexpr std::uint8_t shiftJisCharset = 128;

// Record functions used here.
enum Function : std::uint16_t {
    Eof = 0x0000,
    SaveDc = 0x001E,
    SetBkMode = 0x0102,
    RestoreDc = 0x0127,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DeleteObject = 0x01F0,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetTextColor = 0x0209,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polyline = 0x0325,
    IntersectClipRect = 0x0416,
    Rectangle = 0x041B,
    ExtTextOut = 0x0A32,
};
}  // namespace wmf

class WmfCanvas : public Canvas {
public:
    WmfCanvas(int width, int height, int unitsPerInch = 96);

    void fillRectangle(const CanvasRect& rect, Rgb colour) override;
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override;
    // The text goes into the file as CP932 bytes; a character CP932 lacks becomes "?".
    void text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
              int angleDegrees = 0) override;
    void setClip(const CanvasRect& rect) override;
    void resetClip() override;

    // The finished file: placeable header, metafile header, the records, the
    // deletion of the objects still in use and META_EOF. Nothing may be drawn after.
    const std::string& bytes();

private:
    struct PenSpec {
        Rgb colour;
        int width = 1;
        bool none = false;  // draws nothing: the outline of a filled rectangle
        LineDash dash = LineDash::Solid;
        friend bool operator==(const PenSpec&, const PenSpec&) = default;
    };
    struct FontSpec {
        FontFace face;
        int pixelSize;
        bool bold;
        int angle;
        friend bool operator==(const FontSpec&, const FontSpec&) = default;
    };
    // What the device context has selected; slot -1: nothing yet.
    struct State {
        int pen = -1;
        PenSpec penSpec;
        int brush = -1;
        Rgb brushColour;
        int font = -1;
        FontSpec fontSpec{};
        bool textColourSet = false;
        Rgb textColour;
        int textAlign = -1;
    };

    void record(wmf::Function function, const std::vector<std::int16_t>& words,
                const std::string& tail = {});
    int createObject();
    void replaceObject(int& current, int created);
    void usePen(const PenSpec& spec);
    void useBrush(Rgb colour);
    void useFont(const FontSpec& spec);
    void releaseUnselected(const State& from);
    void requireOpen() const;
    void writePolyline(const std::vector<CanvasPoint>& points, const Pen& pen);

    int width_;
    int height_;
    int unitsPerInch_;
    std::string records_;
    std::uint32_t maxRecordWords_ = 0;
    std::vector<bool> slots_;  // object table: true while an object lives in the slot
    std::size_t maxObjects_ = 0;
    State state_;
    PictureArea area_;
    State saved_;  // the state the clip's SaveDC will bring back
    bool finished_ = false;
    std::string file_;
};

}  // namespace marvoten
