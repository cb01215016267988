#include "output/text_output.h"

#include <variant>
#include <vector>

#include "book/line_format.h"
#include "output/pdf_book_blocks.h"
#include "platform/encoding.h"
#include "platform/utf8_path.h"

namespace marvoten {
namespace {

constexpr const char* kConfirmation =
    "計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　擁壁.txt\rです。";
constexpr const char* kDone = "テキスト出力終わりました。";

struct Heading {
    const char* text;
};
struct Block {
    TextId id;
    int block;
};
struct Table {
    TableId id;
    std::size_t width;
};
using Item = std::variant<Heading, Block, Table>;

// The file's contents in order; the shear-key tail follows only with a key.
const std::vector<Item>& mainItems() {
    static const std::vector<Item> items{
        Heading{"Marvoten Ver3.1"},
        Heading{""},
        Block{TextId::ContentsText, 0},
        Block{TextId::ConditionsText, 0},
        Block{TextId::ConditionsText, 1},
        Heading{"Ⅱ-1.荷重計算(安定計算用)"},
        Heading{"安定計算用"},
        Block{TextId::SelfWeightText, 0},
        Table{TableId::StabilityPointTable, 6},
        Heading{"Ⅱ-2.荷重計算(構造計算用)"},
        Block{TextId::SlabSelfWeightText, 0},
        Table{TableId::SlabLoadTable, 6},
        Table{TableId::SlabPointTable, 6},
        Heading{"Ⅱ-3.荷重計算(土圧等)"},
        Heading{"1.土圧計算"},
        Block{TextId::EarthPressureText, 0},
        Heading{"2.その他の荷重"},
        Block{TextId::OtherLoadsText, 0},
        Heading{"4.荷重一覧"},
        Table{TableId::LoadListTable, 12},
        Heading{"Ⅲ-1.安定計算"},
        Block{TextId::SlidingText, 0},
        Block{TextId::OverturningText, 0},
        Block{TextId::BearingText, 0},
        Block{TextId::UltimateBearingText, 0},
        Heading{"Ⅳ-1-1.構造計算:たて壁(断面力)"},
        Block{TextId::StemForcesText, 0},
        Block{TextId::StemForcesText, 1},
        Table{TableId::StemForcesTable, 15},
        Heading{"Ⅳ-1-2.構造計算:たて壁(鉄筋量、応力度)"},
        Block{TextId::StemStressText, 0},
        Table{TableId::StemStressTable, 15},
        Heading{"Ⅳ-1-3.構造計算:たて壁(鉄筋定着位置)"},
        Block{TextId::AnchorageText, 0},
        Block{TextId::AnchorageText, 1},
        Heading{"Ⅳ-2-1.構造計算:底版(つま先版)"},
        Heading{"つま先版"},
        Block{TextId::ToeForcesText, 0},
        Block{TextId::ToeStressText, 0},
        Table{TableId::ToeHalfDepthTable, 10},
        Table{TableId::ToeRootTable, 10},
        Table{TableId::ToeStressTable, 10},
    };
    return items;
}

const std::vector<Item>& shearKeyItems() {
    static const std::vector<Item> items{
        Heading{"Ⅳ-2-2.構造計算:底版(突起)"}, Heading{"突起"},
        Block{TextId::KeyForcesText, 0},      Block{TextId::KeyStressText, 0},
        Table{TableId::KeyTable, 10},
    };
    return items;
}

class TextWriter {
public:
    explicit TextWriter(const CalculationBook& book) : book_(book) {}

    void write(const std::vector<Item>& items) {
        for (const auto& item : items) std::visit([this](const auto& i) { put(i); }, item);
    }
    // A character Shift-JIS cannot hold (a subject name "Müller") is written as "?",
    // as the PDF book writes it, rather than failing the whole file.
    std::string bytes() const { return toCp932(cp932Printable(text_)); }

private:
    void line(const std::string& s) { text_ += s + "\r\n"; }
    void put(const Heading& h) { line(h.text); }
    void put(const Block& b) {
        for (const auto& l : book_.text(b.id).block(b.block).lines()) line(l);
        line("");
    }
    void put(const Table& t) {
        const TableSection& table = book_.table(t.id);
        for (int r = 0; r < table.rowCount(); ++r) {
            std::string row;
            for (int c = 0; c < table.columnCount(); ++c)
                row += padLeft(table.cell(c, r), t.width) + ":";
            line(row);
        }
        line("");
    }

    const CalculationBook& book_;
    std::string text_;
};

}  // namespace

std::string textOutputBytes(const CalculationBook& book, bool hasShearKey) {
    TextWriter writer(book);
    writer.write(mainItems());
    if (hasShearKey) writer.write(shearKeyItems());
    return writer.bytes();
}

OutputCommand textOutputCommand(const CalculationBook& book, bool hasShearKey,
                                const std::filesystem::path& folder) {
    return {kConfirmation,
            kDone,
            [&book, hasShearKey, folder](FileBatch& batch) {
                batch.add(folder / pathFromUtf8(kTextOutputName),
                          textOutputBytes(book, hasShearKey));
            },
            {}};
}

bool writeTextOutput(const CalculationBook& book, bool hasShearKey, Dialogs& dialogs,
                     const std::filesystem::path& folder) {
    return runOutputCommands({textOutputCommand(book, hasShearKey, folder)}, dialogs);
}

}  // namespace marvoten
