#include "model/design_file.h"

#include <charconv>
#include <cstdio>
#include <system_error>
#include <vector>

#include "model/design_conditions_editor.h"
#include "platform/encoding.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"

namespace marvoten {
namespace {

using D = DesignConditions;
using FieldRef = NumberField& (*)(DesignConditions&);
using TextRef = std::string& (*)(DesignConditions&);

enum class Kind {
    Index,           // 1 line: a choice's item index
    ShapePage,       // 1 line: the wall-shape page, always "2" (逆Ｌ型)
    Tab,             // 1 line: the backfillShape tab, selected without its reaction
    Text,            // 1 line: a text
    Field,           // 3 lines: text, background colour, "TRUE"/"FALSE" enabled
    Switch,          // 2 lines: "TRUE"/"FALSE" on, caption colour
    FollowLoadCase,  // 0 lines: the allowable-stress table takes the loaded seismic case
    FollowStresses,  // 0 lines: the allowable-stress table takes the loaded stresses
};

struct Record {
    Kind kind;
    Choice choice = Choice::BackfillSoilType;
    Option option = Option::HasSurcharge;
    FieldRef field = nullptr;
    TextRef text = nullptr;
};

template <NumberField DesignConditions::*M>
NumberField& fieldOf(DesignConditions& d) {
    return d.*M;
}
template <NumberField DesignConditions::*M>
std::string& textOf(DesignConditions& d) {
    return (d.*M).text;
}
template <int Row, std::string GroundLayer::*Cell>
std::string& layerCell(DesignConditions& d) {
    return d.groundLayers[Row].*Cell;
}
template <RebarChoice DesignConditions::*R, NumberField RebarChoice::*F>
NumberField& rebarField(DesignConditions& d) {
    return (d.*R).*F;
}
std::string& groundPeriodOf(DesignConditions& d) {
    return d.groundPeriod;
}

Record index(Choice c) {
    return {Kind::Index, c};
}
Record text(TextRef t) {
    return {Kind::Text, {}, {}, nullptr, t};
}
Record field(FieldRef f) {
    return {Kind::Field, {}, {}, f};
}
Record option(Option o) {
    return {Kind::Switch, {}, o};
}
Record kind(Kind k) {
    return {k};
}

template <int Row>
void addLayer(std::vector<Record>& r) {
    r.push_back(text(&layerCell<Row, &GroundLayer::thickness>));
    r.push_back(text(&layerCell<Row, &GroundLayer::nValue>));
    r.push_back(text(&layerCell<Row, &GroundLayer::soil>));
}

template <RebarChoice DesignConditions::*R>
void addRebar(std::vector<Record>& r, Choice mode) {
    r.push_back(index(mode));
    r.push_back(field(&rebarField<R, &RebarChoice::pitch>));
    r.push_back(field(&rebarField<R, &RebarChoice::diameter>));
}

// The line sequence. Every dependent field follows its choice or switch, so that the
// stored texts overwrite what the reaction to the choice has set.
const std::vector<Record>& records() {
    static const std::vector<Record> r = [] {
        std::vector<Record> r{
            index(Choice::BackfillSoilType),
            text(&textOf<&D::backfillUnitWeight>),
            text(&textOf<&D::backfillPhi>),
            index(Choice::WallFrictionRatio),
            text(&textOf<&D::backfillCohesion>),
            text(&textOf<&D::embedUnitWeight>),
            text(&textOf<&D::embedPhi>),
            text(&textOf<&D::embedCohesion>),
            text(&textOf<&D::embedDepth>),
            text(&textOf<&D::bearingUnitWeight>),
            text(&textOf<&D::bearingPhi>),
            text(&textOf<&D::bearingCohesion>),
            text(&textOf<&D::bearingEmbedDepth>),
            text(&textOf<&D::allowableBearing>),
            text(&textOf<&D::frictionCoeff>),
            text(&textOf<&D::adhesion>),
            index(Choice::BodyKind),
            text(&textOf<&D::blockLength>),
            text(&textOf<&D::concreteUnitWeight>),
            kind(Kind::ShapePage),
            field(&fieldOf<&D::frontBatterWidth>),
            field(&fieldOf<&D::crestWidth>),
            field(&fieldOf<&D::stemHeight>),
            field(&fieldOf<&D::slabSlopeHeight>),
            field(&fieldOf<&D::baseThickness>),
            field(&fieldOf<&D::toeWidth>),
            field(&fieldOf<&D::formworkWidth>),
            field(&fieldOf<&D::baseWidth>),
            index(Choice::HasShearKey),
            field(&fieldOf<&D::keyPosition>),
            field(&fieldOf<&D::keyWidth>),
            field(&fieldOf<&D::keyHeight>),
            kind(Kind::Tab),
            field(&fieldOf<&D::slopeRatio>),
            field(&fieldOf<&D::embankmentHeight>),
            index(Choice::SurchargeTreatment),
            index(Choice::StemPressureMethod),
            index(Choice::SeismicLoadSet),
            option(Option::HasSurcharge),
            field(&fieldOf<&D::surcharge>),
            index(Choice::SurchargeZone),
            index(Choice::LoadOnVirtualBack),
            option(Option::HasSnow),
            field(&fieldOf<&D::snowOnFlat>),
            field(&fieldOf<&D::snowOnSlope>),
            index(Choice::SeismicCase),
            kind(Kind::FollowLoadCase),
            field(&fieldOf<&D::khStandard>),
            field(&fieldOf<&D::regionFactor>),
            field(&fieldOf<&D::kh>),
        };
        addLayer<0>(r);
        addLayer<1>(r);
        addLayer<2>(r);
        addLayer<3>(r);
        addLayer<4>(r);
        const Record rest[] = {
            text(&groundPeriodOf),
            option(Option::HasPassive),
            option(Option::HasWater),
            option(Option::HasWind),
            option(Option::HasCollision),
            field(&fieldOf<&D::effectiveEmbedDepth>),
            field(&fieldOf<&D::waterDepth>),
            field(&fieldOf<&D::waterUnitWeight>),
            option(Option::BuoyancyInSlab),
            field(&fieldOf<&D::barrierHeight>),
            field(&fieldOf<&D::windPressure>),
            field(&fieldOf<&D::collisionLoad>),
            field(&fieldOf<&D::collisionHeight>),
            field(&fieldOf<&D::sigmaCk>),
            field(&fieldOf<&D::sigmaCa>),
            field(&fieldOf<&D::sigmaCat>),
            field(&fieldOf<&D::tauA1>),
            field(&fieldOf<&D::sigmaSa>),
            field(&fieldOf<&D::tau0>),
            kind(Kind::FollowStresses),
            text(&textOf<&D::coverStem>),
            text(&textOf<&D::coverSlab>),
            index(Choice::OutputColour),
        };
        r.insert(r.end(), std::begin(rest), std::end(rest));
        addRebar<&D::stemRebar>(r, Choice::StemRebarMode);
        addRebar<&D::toeRebar>(r, Choice::ToeRebarMode);
        addRebar<&D::heelRebar>(r, Choice::HeelRebarMode);
        addRebar<&D::keyRebar>(r, Choice::KeyRebarMode);
        return r;
    }();
    return r;
}

constexpr const char* kWallShapePage = "2";  // the page "逆Ｌ型"
constexpr int kWallShapeLine = 20;

std::string flag(bool on) {
    return on ? "TRUE" : "FALSE";
}

std::vector<std::string> fileLines(const DesignConditions& d0) {
    DesignConditions d = d0;  // the accessors take a mutable record
    std::vector<std::string> lines;
    for (const Record& r : records()) {
        switch (r.kind) {
            case Kind::Index:
                lines.push_back(std::to_string(choiceIndex(d, r.choice)));
                break;
            case Kind::ShapePage:
                lines.push_back(kWallShapePage);
                break;
            case Kind::Tab:
                lines.push_back(std::to_string(d.backfillShape));
                break;
            case Kind::Text:
                lines.push_back(r.text(d));
                break;
            case Kind::Field: {
                const NumberField& f = r.field(d);
                lines.push_back(f.text);
                lines.push_back(colourLine(f.colour));
                lines.push_back(flag(f.enabled));
                break;
            }
            case Kind::Switch: {
                const Switch& s = optionSwitch(d, r.option);
                lines.push_back(flag(s.on));
                lines.push_back(colourLine(s.captionColour));
                break;
            }
            case Kind::FollowLoadCase:
            case Kind::FollowStresses:
                break;
        }
    }
    return lines;
}

// Lines end with CR LF; a lone LF or CR ends a line as well. Only the first
// `limit` lines are kept.
std::vector<std::string_view> splitLines(std::string_view bytes, std::size_t limit) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < limit) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end +
                ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

const std::string kReadStopped = "設計条件ファイルの読込みを中止しました。\r";
const std::string kNotRead = "設計条件ファイルを読込めません。\r";

std::string lineLabel(int line) {
    return std::to_string(line) + "行目";
}

}  // namespace

std::string colourLine(Colour c) {
    if (auto name = colourName(c)) return *name;
    char hex[10];
    std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(c));
    return hex;
}

std::optional<Colour> parseColourLine(std::string_view line) {
    if (auto named = colourFromName(line)) return named;
    if (line.empty()) return std::nullopt;
    if (line.front() == '$') {
        const std::string_view hex = line.substr(1);
        std::uint32_t value = 0;
        auto [ptr, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (hex.empty() || hex.size() > 8 || ec != std::errc() || ptr != hex.data() + hex.size())
            return std::nullopt;
        return value;
    }
    // A decimal colour is the signed or unsigned reading of the same 32 bits.
    std::string_view digits = line;
    const bool negative = digits.front() == '-';
    if (negative || digits.front() == '+') digits.remove_prefix(1);
    std::uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size())
        return std::nullopt;
    if (negative ? value > 0x80000000ull : value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<Colour>(negative ? 0x100000000ull - value : value);
}

std::string designFileBytes(const DesignConditions& d) {
    std::string bytes;
    int number = 0;
    for (const std::string& line : fileLines(d)) {
        ++number;
        if (line.find_first_of("\r\n") != std::string::npos)
            throw DesignFileError("設計条件を保存できません。\r改行を含む入力があります（" +
                                      lineLabel(number) + "）。",
                                  number);
        try {
            bytes += toCp932(line);
        } catch (const EncodingError& e) {
            throw DesignFileError("設計条件を保存できません。\r" + std::string(e.what()), number);
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::string designFileImage(const DesignConditions& d) {
    try {
        return designFileBytes(d);
    } catch (const DesignFileError&) {
        return {};  // a text the file cannot hold: never equal to a saved design
    }
}

bool DesignConditionsEditor::modified() const {
    const std::string now = designFileImage(conditions());
    return now.empty() || now != savedImage_;
}

void writeDesignFile(const std::filesystem::path& path, const DesignConditions& d) {
    writeFileSafely(path, designFileBytes(d));
}

// Applies a decoded file to an editor record by record, as the user's entries would.
class DesignFileReader {
public:
    DesignFileReader(DesignConditionsEditor& editor, const std::vector<std::string>& lines)
        : e_(editor), lines_(lines) {}

    void apply() {
        for (const Record& r : records()) applyRecord(r);
    }

private:
    // Past the end of the file every line reads as empty.
    const std::string& next() {
        static const std::string empty;
        ++line_;
        return line_ <= static_cast<int>(lines_.size()) ? lines_[line_ - 1] : empty;
    }

    // A short file reads on with empty lines (its last records keep their values) until
    // a line that must hold an index or a colour: the fault is then the file's end, not
    // that empty line.
    [[noreturn]] void stop(const std::string& reason, const char* needed) const {
        const int lines = static_cast<int>(lines_.size());
        if (line_ > lines)
            throw DesignFileError(kReadStopped + "ファイルが" + std::to_string(lines) +
                                      "行で終わっています（" + lineLabel(line_) + "に" + needed +
                                      "が必要です）。",
                                  lines);
        throw DesignFileError(kReadStopped + lineLabel(line_) + "：" + reason, line_);
    }

    int nextIndex(int items) {
        const std::string& text = next();
        int value = 0;
        try {
            value = textToInteger(text);
        } catch (const ConversionError& err) {
            stop(err.what(), "番号");
        }
        return value < -1 ? -1 : (value >= items ? items - 1 : value);
    }

    Colour nextColour() {
        const std::string& text = next();
        if (auto c = parseColourLine(text)) return *c;
        stop("'" + echoText(text) + "' は色ではありません", "色");
    }

    void applyRecord(const Record& r) {
        DesignConditions& d = e_.d();
        e_.mark(EditorChange::Values);
        switch (r.kind) {
            case Kind::Index: {
                const int item = nextIndex(choiceItemCount(r.choice));
                int& current = choiceIndex(d, r.choice);
                if (item == current) return;
                current = item;
                e_.react(r.choice);
                return;
            }
            case Kind::ShapePage:
                next();
                return;  // checked before anything was applied
            case Kind::Tab:
                d.backfillShape = nextIndex(choiceItemCount(Choice::BackfillShape));
                return;
            case Kind::Text:
                r.text(d) = next();
                return;
            case Kind::Field: {
                NumberField& f = r.field(d);
                f.text = next();
                f.colour = nextColour();
                f.enabled = next() == "TRUE";
                return;
            }
            case Kind::Switch: {
                Switch& s = optionSwitch(d, r.option);
                const bool on = next() == "TRUE";
                if (on != s.on) {
                    s.on = on;
                    e_.reactToOption(r.option);
                }
                s.captionColour = nextColour();
                return;
            }
            case Kind::FollowLoadCase:
                e_.allowable_.followLoadedLoadCase(d.seismicCase);
                e_.mark(EditorChange::AllowableStresses);
                return;
            case Kind::FollowStresses:
                e_.allowable_.followLoadedStresses(d);
                e_.mark(EditorChange::AllowableStresses);
                return;
        }
    }

    DesignConditionsEditor& e_;
    const std::vector<std::string>& lines_;
    int line_ = 0;
};

bool DesignConditionsEditor::loadDesignBytes(std::string_view bytes,
                                             const std::string& subjectName) {
    // Whatever cannot be a design file of this wall is refused before anything changes.
    const std::vector<std::string_view> raw = splitLines(bytes, kDesignFileLines);
    if (raw.size() < static_cast<std::size_t>(kWallShapeLine)) {
        dialogs_.message(MessageKind::Error, kNotRead +
                                                 "設計条件ファイルとしては行数が足りません（" +
                                                 std::to_string(raw.size()) + "行）。");
        return false;
    }
    std::vector<std::string> lines;
    lines.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        try {
            lines.push_back(fromCp932(raw[i]));
        } catch (const EncodingError& e) {
            dialogs_.message(MessageKind::Error,
                             kNotRead + lineLabel(static_cast<int>(i) + 1) + "：" + e.what());
            return false;
        }
    }
    if (lines[kWallShapeLine - 1] != kWallShapePage) {
        dialogs_.message(MessageKind::Error, kNotRead +
                                                 "逆Ｌ型擁壁の設計条件ファイルではありません（" +
                                                 lineLabel(kWallShapeLine) + "：'" +
                                                 lines[kWallShapeLine - 1] + "'）。");
        return false;
    }

    // The file is read into a copy of the editor, reactions and all, and that copy
    // replaces the editor's design only when every record has been read: a file that
    // fails part-way leaves the engineer's current design, and its name, untouched.
    DesignConditionsEditor scratch(*this);
    scratch.listener_ = nullptr;
    scratch.pending_ = 0;
    scratch.batchDepth_ = 0;
    try {
        DesignFileReader(scratch, lines).apply();
    } catch (const DesignFileError& e) {
        dialogs_.message(MessageKind::Error, e.what());
        return false;
    }
    {
        // The window shows what was read before any message box.
        Batch batch(*this);
        adopt(scratch.snapshot());
        setSubjectName(subjectName);  // the file's name, not the one the copy kept
        mark(scratch.pending_ | EditorChange::SelectSelfWeightPage | EditorChange::Visibility |
             EditorChange::Picture);
    }
    savedImage_ = designFileImage(conditions());
    dialogs_.message(MessageKind::Information, "設計条件を読込みました。");
    return true;
}

namespace {

// The file name without folder and extension, as the subject of the design: the
// extension is everything from the last "." of the name, so ".dat" leaves nothing.
std::string subjectNameOf(const std::filesystem::path& path) {
    const std::string name = utf8FromPath(path.filename());
    return name.substr(0, name.rfind('.'));
}

}  // namespace

bool DesignConditionsEditor::loadDesignFileFrom(const std::filesystem::path& path) {
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const FileReadError& e) {
        dialogs_.message(MessageKind::Error, e.what());
        return false;
    }
    return loadDesignBytes(bytes, subjectNameOf(path));
}

bool DesignConditionsEditor::saveDesignFileTo(const std::filesystem::path& path) {
    try {
        writeDesignFile(path, conditions());
    } catch (const DesignFileError& e) {
        dialogs_.message(MessageKind::Error, e.what());
        return false;
    } catch (const FileWriteError& e) {
        dialogs_.message(MessageKind::Error, e.what());
        return false;
    }
    {
        Batch batch(*this);
        setSubjectName(subjectNameOf(path));
    }
    savedImage_ = designFileImage(conditions());
    dialogs_.message(MessageKind::Information, "設計条件を保存しました。");
    return true;
}

}  // namespace marvoten
