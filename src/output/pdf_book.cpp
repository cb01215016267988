#include "output/pdf_book.h"

#include <variant>
#include <vector>

#include "output/pdf_book_blocks.h"
#include "output/pdf_book_figure.h"
#include "pdf/pdf_maker.h"

namespace marvoten {
namespace {

constexpr const char* kConfirmation =
    "計算結果をPDF出力しますか。\r\r出力ファイル名は\r　擁壁計算結果.pdf\rです。";
constexpr const char* kDone = "擁壁計算結果.pdfを作成しました";
constexpr const char* kOpenQuestion =
    "[ 擁壁計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)";

constexpr const char* kAuthor = "MRV";
constexpr const char* kCreator = "Marvoten Ver3.1";

struct Lines {
    TextId id;
    int block;  // 0 upper, 1 lower
    double dx, dy, size;
};
struct Table {
    TableId id;
    double dx, dy, size;
    const char* caption;
};
struct Figure {
    FigureId id;
    PdfFigureMode mode;
    double dx, dy, width, height;
};
using Item = std::variant<Lines, Table, Figure>;

struct PageLayout {
    const char* title;
    double titleX;
    std::vector<Item> items;
};

constexpr PdfFigureMode Up = PdfFigureMode::Upwards;
constexpr PdfFigureMode Down = PdfFigureMode::Downwards;
constexpr double kContentsTitleX = 285;

// The contents page and the result pages in book order; placements from the frame's
// upper-left corner, sizes in points.
const std::vector<PageLayout>& mainPages() {
    using T = TextId;
    using B = TableId;
    using F = FigureId;
    static const std::vector<PageLayout> pages{
        {"目　　次", kContentsTitleX, {Lines{T::ContentsText, 0, 140, 60, 12}}},
        {"Ⅰ.設計条件",
         kPdfTitleX,
         {Lines{T::ConditionsText, 0, 20, 40, 9}, Lines{T::ConditionsText, 1, 300, 360, 9},
          Figure{F::WallShapeFigure, Up, 230, 50, 270, 270},
          Table{B::CeTable, 300, 570, 9, "Ce ：部材断面の有効高dの補正係数"},
          Table{B::CptTable, 300, 620, 9, "Cpt：軸方向引張鉄筋比Ptの補正係数"},
          Table{B::CdcTable, 300, 670, 9, "Cdc：剪断ｽﾊﾟﾝ比による割り増し係数"}}},
        {"Ⅱ-1.荷重計算(自重:安定計算用)",
         kPdfTitleX,
         {Lines{T::SelfWeightText, 0, 20, 40, 9},
          Table{B::StabilityPointTable, 330, 60, 9, "表:荷重座標一覧表"},
          Figure{F::StabilityLoadFigure, Up, 20, 580, 190, 190}}},
        {"Ⅱ-2.荷重計算(自重:構造計算用)",
         kPdfTitleX,
         {Lines{T::SlabSelfWeightText, 0, 20, 40, 9},
          Table{B::SlabLoadTable, 20, 300, 9, "荷重計算結果一覧表"},
          Table{B::SlabPointTable, 330, 60, 9, "表:荷重座標一覧表"},
          Figure{F::SlabLoadFigure, Up, 20, 580, 190, 190}}},
        {"Ⅱ-3.荷重計算(土圧等)",
         kPdfTitleX,
         {Lines{T::EarthPressureText, 0, 20, 40, 9}, Lines{T::OtherLoadsText, 0, 320, 40, 9},
          Figure{F::EarthPressureFigure, Up, 20, 495, 230, 80},
          Table{B::LoadListTable, 20, 620, 10, "表:荷重一覧"}}},
        {"Ⅲ-1.安定計算",
         kPdfTitleX,
         {Lines{T::SlidingText, 0, 20, 30, 9}, Lines{T::OverturningText, 0, 20, 275, 9},
          Lines{T::BearingText, 0, 20, 510, 9},
          Figure{F::GroundReactionFigure, Up, 300, 570, 200, 200}}},
        {"Ⅲ-1.安定計算(極限支持力)", kPdfTitleX, {Lines{T::UltimateBearingText, 0, 20, 30, 9}}},
        {"Ⅲ-2.荷重図",
         kPdfTitleX,
         {Figure{F::LoadDiagramFigure, Up, 20, 50, 450, 450},
          Lines{T::LoadSummaryText, 0, 20, 530, 10}}},
        {"Ⅳ-1-1.構造計算:たて壁(断面力)",
         kPdfTitleX,
         {Lines{T::StemForcesText, 0, 20, 40, 9}, Lines{T::StemForcesText, 1, 300, 100, 9},
          Table{B::StemForcesTable, 20, 540, 10, "表:断面力"}}},
        {"Ⅳ-1-2.構造計算:たて壁(応力度)",
         kPdfTitleX,
         {Lines{T::StemStressText, 0, 20, 35, 9},
          Table{B::StemStressTable, 20, 560, 9, "表:応力度及び配筋量"},
          Figure{F::StemStressFigure, Up, 290, 40, 200, 200}}},
        {"Ⅳ-1-3.構造計算:たて壁(鉄筋定着長)",
         kPdfTitleX,
         {Lines{T::AnchorageText, 0, 20, 40, 9}, Lines{T::AnchorageText, 1, 20, 450, 9},
          Figure{F::AnchorageFigureL1, Down, 280, 250, 220, 200},
          Figure{F::AnchorageFigureL2, Down, 280, 550, 200, 200}}},
        {"Ⅳ-2-1.構造計算:底版(つま先版)",
         kPdfTitleX,
         {Lines{T::ToeForcesText, 0, 20, 40, 9}, Lines{T::ToeStressText, 0, 300, 40, 9},
          Figure{F::ToeReactionFigure, Up, 15, 350, 220, 90},
          Table{B::ToeHalfDepthTable, 15, 460, 9, "表:断面力(剪断力:H/2部)"},
          Table{B::ToeRootTable, 15, 550, 9, "表:断面力(曲げﾓｰﾒﾝﾄ:たて壁付根部)"},
          Table{B::ToeStressTable, 15, 640, 9, "表:応力度及び配筋量"}}},
    };
    return pages;
}

const PageLayout& shearKeyPage() {
    using T = TextId;
    static const PageLayout page{
        "Ⅳ-2-2.構造計算:底版(突起)",
        kPdfTitleX,
        {Lines{T::KeyForcesText, 0, 20, 40, 9}, Lines{T::KeyStressText, 0, 300, 40, 9},
         Figure{FigureId::KeyFigure, Up, 20, 610, 220, 150},
         Table{TableId::KeyTable, 300, 590, 10, "表:応力度及び配筋量"}}};
    return page;
}

// Lays the book out page by page. The page count starts at 1 on the contents page;
// every page gets its footer just before the next one starts (or the file closes).
class PdfBookWriter {
public:
    PdfBookWriter(TPDFMaker& pdf, const CalculationBook& book) : pdf_(pdf), book_(book) {}

    void write(bool hasShearKey) {
        beginPage();
        pdfFrame(canvas());
        bool first = true;
        for (const PageLayout& page : mainPages()) {
            if (!first) nextPage();
            first = false;
            draw(page);
        }
        if (hasShearKey) {
            nextPage();
            draw(shearKeyPage());
        }
        pdfPageFooter(canvas(), pageCount_);
    }

private:
    TPDFContents& canvas() { return pdf_.Canvas(); }

    void beginPage() {
        canvas().fontId = kPdfBookFontId;
        ++pageCount_;
    }
    void nextPage() {
        pdfPageFooter(canvas(), pageCount_);
        pdf_.NewPage();
        beginPage();
        pdfFrame(canvas());
    }

    void draw(const PageLayout& page) {
        pdfPageTitle(canvas(), page.title, page.titleX);
        for (const Item& item : page.items) std::visit([this](const auto& i) { put(i); }, item);
    }
    void put(const Lines& l) {
        pdfListBlock(canvas(), l.dx, l.dy, book_.text(l.id).block(l.block), l.size);
    }
    void put(const Table& t) {
        pdfTable(canvas(), t.dx, t.dy, t.size, book_.table(t.id), t.caption);
    }
    void put(const Figure& f) {
        pdfFigure(canvas(), f.mode, book_.figure(f.id), f.dx, f.dy, f.width, f.height);
    }

    TPDFMaker& pdf_;
    const CalculationBook& book_;
    int pageCount_ = 0;
};

void writeDocument(TPDFMaker& pdf, TPDFStream& stream, const CalculationBook& book,
                   std::string_view subjectName, bool hasShearKey) {
    pdf.author = kAuthor;
    pdf.title = pdfBookTitle(subjectName);
    pdf.creator = kCreator;
    pdf.subject = kPdfBookName;
    pdf.BeginDoc(&stream);
    PdfBookWriter(pdf, book).write(hasShearKey);
    pdf.EndDoc();
}

}  // namespace

std::string pdfBookTitle(std::string_view subjectName) {
    return cp932Printable(subjectName);
}

std::string pdfBookBytes(const CalculationBook& book, std::string_view subjectName,
                         bool hasShearKey, const Clock& clock) {
    TPDFMaker pdf(clock);
    TPDFMemoryStream memory;
    writeDocument(pdf, memory, book, subjectName, hasShearKey);
    return memory.bytes();
}

OutputCommand pdfBookCommand(const CalculationBook& book, std::string_view subjectName,
                             bool hasShearKey, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kPdfBookName;
    return {kConfirmation, kDone,
            [&book, subject = std::string(subjectName), hasShearKey, path](FileBatch& batch) {
                batch.add(path, pdfBookBytes(book, subject, hasShearKey));
            },
            [path](Dialogs& dialogs) {
                if (dialogs.confirm(kOpenQuestion)) dialogs.openDocument(path.string());
            }};
}

bool writePdfBook(const CalculationBook& book, std::string_view subjectName, bool hasShearKey,
                  Dialogs& dialogs, const std::filesystem::path& folder) {
    return runOutputCommands({pdfBookCommand(book, subjectName, hasShearKey, folder)}, dialogs);
}

}  // namespace marvoten
