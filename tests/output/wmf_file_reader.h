#pragma once
// An independent reader of 16-bit placeable metafiles for the tests: it checks
// the structure a player relies on and decodes the records the figure canvas
// writes. Every fault found goes into `faults`.
#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace marvoten::testing {

struct WmfRecord {
    std::uint16_t function = 0;
    std::vector<std::int16_t> words;  // parameters as 16-bit words
    std::string bytes;                // parameters as bytes
};

struct WmfPolyline {
    std::vector<std::pair<int, int>> points;
    std::uint32_t penColour = 0;  // 0x00BBGGRR
    int penWidth = 0;
};

struct WmfText {
    int x = 0;
    int y = 0;
    std::string cp932;
    std::string faceCp932;
    int height = 0;
    int escapement = 0;
    int charset = 0;
};

struct WmfFile {
    std::vector<std::string> faults;
    int left = 0, top = 0, right = 0, bottom = 0, inch = 0;
    std::uint16_t numberOfObjects = 0;
    std::uint32_t maxRecord = 0;
    std::vector<WmfRecord> records;
    std::vector<WmfPolyline> polylines;
    std::vector<WmfText> texts;
    int clipRecords = 0;
    bool ok() const { return faults.empty(); }
};

inline WmfFile readWmf(const std::string& data) {
    WmfFile f;
    auto u16 = [&](std::size_t at) -> std::uint16_t {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                          (static_cast<unsigned char>(data[at + 1]) << 8));
    };
    auto u32 = [&](std::size_t at) -> std::uint32_t {
        return u16(at) | (std::uint32_t(u16(at + 2)) << 16);
    };
    auto fault = [&](const std::string& s) { f.faults.push_back(s); };

    if (data.size() < 22 + 18 + 6) {
        fault("file too short");
        return f;
    }
    if (u32(0) != 0x9AC6CDD7u) fault("placeable key");
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) sum ^= u16(i);
    if (sum != u16(20)) fault("placeable checksum");
    f.left = std::int16_t(u16(6));
    f.top = std::int16_t(u16(8));
    f.right = std::int16_t(u16(10));
    f.bottom = std::int16_t(u16(12));
    f.inch = u16(14);
    if (f.inch == 0) fault("units per inch is 0");
    if (f.right <= f.left || f.bottom <= f.top) fault("empty bounding box");

    const std::size_t h = 22;
    if (u16(h) != 1 && u16(h) != 2) fault("metafile type");
    if (u16(h + 2) != 9) fault("header size");
    if (u16(h + 4) != 0x0300 && u16(h + 4) != 0x0100) fault("version");
    if (std::size_t(u32(h + 6)) * 2 != data.size() - h) fault("metafile size in the header");
    f.numberOfObjects = u16(h + 10);
    f.maxRecord = u32(h + 12);

    // Object table, with the selection the device context holds (and what a
    // SaveDC put aside).
    std::map<int, std::uint16_t> live;  // slot -> creating function
    std::map<int, WmfRecord> created;
    std::map<std::uint16_t, int> selected, saved;
    bool savedValid = false;
    std::uint32_t largest = 0;
    bool eof = false;
    std::size_t at = h + 18;
    while (at < data.size()) {
        if (at + 6 > data.size()) {
            fault("record header cut off");
            break;
        }
        const std::uint32_t size = u32(at);
        if (size < 3 || at + std::size_t(size) * 2 > data.size()) {
            fault("record size out of the file at byte " + std::to_string(at));
            break;
        }
        largest = std::max(largest, size);
        WmfRecord r;
        r.function = u16(at + 4);
        r.bytes = data.substr(at + 6, std::size_t(size) * 2 - 6);
        for (std::size_t i = 0; i + 1 < r.bytes.size(); i += 2)
            r.words.push_back(std::int16_t(u16(at + 6 + i)));
        at += std::size_t(size) * 2;
        f.records.push_back(r);
        const auto& w = r.words;
        switch (r.function) {
            case 0x0000:
                eof = true;
                if (at != data.size()) fault("data after META_EOF");
                break;
            case 0x02FA:
            case 0x02FB:
            case 0x02FC: {
                int slot = 0;
                while (live.count(slot)) ++slot;
                live[slot] = r.function;
                created[slot] = r;
                if (live.size() > f.numberOfObjects) fault("more objects than the header states");
                break;
            }
            case 0x012D:
                if (w.empty() || !live.count(w[0]))
                    fault("selecting an object that does not exist");
                else
                    selected[live[w[0]]] = w[0];
                break;
            case 0x01F0: {
                if (w.empty() || !live.count(w[0])) {
                    fault("deleting an object that does not exist");
                    break;
                }
                // A selected object may go at the end of the drawing; one that a
                // RestoreDC would select again must not.
                if (savedValid)
                    for (auto& [kind, slot] : saved)
                        if (slot == w[0]) fault("deleting an object that RestoreDC selects again");
                for (auto it = selected.begin(); it != selected.end();)
                    it = it->second == w[0] ? selected.erase(it) : std::next(it);
                live.erase(w[0]);
                break;
            }
            case 0x001E:
                saved = selected;
                savedValid = true;
                break;
            case 0x0127:
                selected = saved;
                savedValid = false;
                break;
            case 0x0416:
                ++f.clipRecords;
                break;
            case 0x0325: {
                if (w.empty() || std::size_t(w[0]) * 2 + 1 != w.size()) {
                    fault("polyline point count");
                    break;
                }
                WmfPolyline p;
                for (int i = 0; i < w[0]; ++i) p.points.push_back({w[1 + 2 * i], w[2 + 2 * i]});
                if (selected.count(0x02FA)) {
                    const auto& pen = created[selected[0x02FA]].words;
                    p.penWidth = pen[1];
                    p.penColour =
                        std::uint16_t(pen[3]) | (std::uint32_t(std::uint16_t(pen[4])) << 16);
                } else {
                    fault("polyline without a pen");
                }
                f.polylines.push_back(p);
                break;
            }
            case 0x0A32: {
                if (w.size() < 4) {
                    fault("text record too short");
                    break;
                }
                WmfText t;
                t.y = w[0];
                t.x = w[1];
                const int length = w[2];
                const int options = w[3];
                const std::size_t start = 8 + ((options & 0x0006) ? 8 : 0);
                if (start + std::size_t(length) > r.bytes.size()) {
                    fault("text longer than its record");
                    break;
                }
                t.cp932 = r.bytes.substr(start, std::size_t(length));
                if (!selected.count(0x02FB)) {
                    fault("text without a font");
                } else {
                    const auto& font = created[selected[0x02FB]];
                    t.height = font.words[0];
                    t.escapement = font.words[2];
                    t.charset = static_cast<unsigned char>(font.bytes[13]);
                    std::string face = font.bytes.substr(18);
                    t.faceCp932 = face.substr(0, face.find('\0'));
                }
                f.texts.push_back(t);
                break;
            }
            default:
                break;
        }
    }
    if (!eof) fault("no META_EOF");
    if (largest != f.maxRecord)
        fault("largest record in the header " + std::to_string(f.maxRecord) + ", found " +
              std::to_string(largest));
    return f;
}

}  // namespace marvoten::testing
