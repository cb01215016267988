#include "output/pdf_book.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "output/canvas.h"
#include "output/pdf_book_blocks.h"
#include "output/pdf_book_figure.h"
#include "pdf/pdf_maker.h"
#include "platform/utf8_path.h"

namespace marvoten {
namespace {

constexpr const char* kConfirmation =
    "計算結果をPDF出力しますか。\r\r出力ファイル名は\r　擁壁計算結果.pdf\rです。";
constexpr const char* kDone = "擁壁計算結果.pdfを作成しました";
constexpr const char* kOpenQuestion =
    "[ 擁壁計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)";

// The book was written; only showing it failed, so the user is told where it is.
std::string noViewerMessage(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec).lexically_normal();
    return "擁壁計算結果.pdf "
           "を開くプログラムが見つかりませんでした。\r\rファイルは次の場所にあります。\r" +
           utf8FromPath(ec ? path : whole);
}

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

// The room a block takes on the page, from the frame's upper-left corner (dy
// downwards): one box for each printed line of a text, one for a table or a figure.
struct Room {
    double left = 0, right = 0, top = 0, bottom = 0;
};
using PageBlock = std::vector<Room>;

constexpr double kFrameWidth = kPdfFrameRight - kPdfFrameLeft;
constexpr double kFrameDepth = kPdfFrameTop - kPdfFrameBottom;
constexpr double kBlockGap = 2;  // points between a moved block and the one above it

double blockTop(const PageBlock& b) {
    double top = 0;
    for (std::size_t i = 0; i < b.size(); ++i) top = i == 0 ? b[i].top : std::min(top, b[i].top);
    return top;
}

// Where a block is moved to from its own place: right by `dx`, down by `dy`.
struct Move {
    double dx = 0;
    double dy = 0;
};

// How far block `a`, moved by `m`, must go down further to clear block `b` moved
// by `mb`; 0 when they do not meet.
double clearance(const PageBlock& a, Move m, const PageBlock& b, Move mb) {
    double needed = 0;
    for (const Room& r : a)
        for (const Room& o : b) {
            const bool side = r.left + m.dx < o.right + mb.dx && o.left + mb.dx < r.right + m.dx;
            const double top = r.top + m.dy, bottom = r.bottom + m.dy;
            const double otherBottom = o.bottom + mb.dy + kBlockGap;
            if (side && top < otherBottom && o.top + mb.dy < bottom)
                needed = std::max(needed, otherBottom - top);
        }
    return needed;
}

double blockBottom(const PageBlock& b) {
    double bottom = 0;
    for (const Room& r : b) bottom = std::max(bottom, r.bottom);
    return bottom;
}
double blockRight(const PageBlock& b) {
    double right = 0;
    for (const Room& r : b) right = std::max(right, r.right);
    return right;
}

class PageArrangement {
public:
    // Packed: every block starts as high as the page's first block and goes down
    // only as far as the blocks above it need, so that no room is left between them.
    PageArrangement(const std::vector<PageBlock>& blocks, bool packed)
        : blocks_(blocks), moves_(blocks.size()), packed_(packed) {
        for (const PageBlock& b : blocks_)
            if (!b.empty()) firstTop_ = std::min(firstTop_, blockTop(b));
    }

    // Blocks are taken from the top; one that would print over a block taken before
    // it goes below it. One that would then run out of the frame's foot goes to the
    // next column of the page instead (where another block of the page starts), if
    // it fits there.
    std::vector<Move> arrange() {
        std::vector<std::size_t> order(blocks_.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return blockTop(blocks_[a]) < blockTop(blocks_[b]);
        });
        for (std::size_t i : order) {
            if (blocks_[i].empty()) continue;
            moves_[i] = droppedClear(i, 0);
            if (fitsFoot(i, moves_[i])) {
                taken_.push_back(i);
                continue;
            }
            for (double column : columnsRightOf(i)) {
                const double dx = column - blocks_[i].front().left;
                if (blockRight(blocks_[i]) + dx > kFrameWidth) break;
                const Move there = droppedClear(i, dx);
                if (fitsFoot(i, there)) {
                    moves_[i] = there;
                    break;
                }
            }
            taken_.push_back(i);
        }
        return moves_;
    }

private:
    Move droppedClear(std::size_t i, double dx) const {
        Move m{dx, packed_ ? firstTop_ - blockTop(blocks_[i]) : 0};
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t j : taken_) {
                const double more = clearance(blocks_[i], m, blocks_[j], moves_[j]);
                if (more > 0) {
                    m.dy += more;
                    moved = true;
                }
            }
        }
        return m;
    }
    bool fitsFoot(std::size_t i, Move m) const {
        return blockBottom(blocks_[i]) + m.dy <= kFrameDepth;
    }
    std::vector<double> columnsRightOf(std::size_t i) const {
        std::vector<double> columns;
        for (const PageBlock& b : blocks_)
            for (const Room& r : b)
                if (r.left > blocks_[i].front().left) columns.push_back(r.left);
        std::sort(columns.begin(), columns.end());
        columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
        return columns;
    }

    const std::vector<PageBlock>& blocks_;
    std::vector<Move> moves_;
    bool packed_;
    double firstTop_ = kFrameDepth;
    std::vector<std::size_t> taken_;
};

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

    // The page's blocks at their places, except that a block which would print
    // over a block above it (a table that grew by the buoyancy rows, a text longer
    // than its room) moves down below it, and so do the blocks under it in turn.
    // When that would run past the frame's foot, the blocks close up under each
    // other and the page's figures give up height (at most half of it) so that
    // every table and text line stays on the page.
    void draw(const PageLayout& page) {
        pdfPageTitle(canvas(), page.title, page.titleX);
        std::vector<Item> items = page.items;
        std::vector<Move> moves = arranged(items, false);
        if (overflowOf(items, moves) > 0) {
            moves = arranged(items, true);
            const double overflow = overflowOf(items, moves);
            const auto figures = std::count_if(items.begin(), items.end(), [](const Item& i) {
                return std::holds_alternative<Figure>(i);
            });
            for (Item& item : items)
                if (auto* f = std::get_if<Figure>(&item))
                    f->height -=
                        std::clamp(overflow / static_cast<double>(figures), 0.0, f->height / 2);
            moves = arranged(items, true);
        }
        for (std::size_t i = 0; i < items.size(); ++i)
            std::visit([this, m = moves[i]](const auto& item) { put(item, m); }, items[i]);
    }

    std::vector<Move> arranged(const std::vector<Item>& items, bool packed) {
        blocks_.clear();
        for (const Item& item : items)
            blocks_.push_back(std::visit([this](const auto& i) { return extent(i); }, item));
        return PageArrangement(blocks_, packed).arrange();
    }
    double overflowOf(const std::vector<Item>& items, const std::vector<Move>& moves) const {
        double overflow = 0;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (!blocks_[i].empty())
                overflow = std::max(overflow, blockBottom(blocks_[i]) + moves[i].dy - kFrameDepth);
        return overflow;
    }

    PageBlock extent(const Lines& l) {
        const TextBlock& block = book_.text(l.id).block(l.block);
        canvas().fontSize = l.size;
        PageBlock rooms;
        for (std::size_t i = 0; i < block.lineCount(); ++i) {
            const std::string& line = block.line(i);
            if (line.find_first_not_of(' ') == std::string::npos) continue;  // prints nothing
            const double width = pdfTextWidth(canvas(), line);
            const double baseline = l.dy + static_cast<double>(i) * (l.size + 2);
            rooms.push_back({l.dx, l.dx + width, baseline - fontAscent * l.size,
                             baseline + (1 - fontAscent) * l.size});
        }
        return rooms;
    }
    PageBlock extent(const Table& t) {
        const TableSection& table = book_.table(t.id);
        canvas().fontSize = t.size;
        double width = 0;
        for (int c = 0; c < table.columnCount(); ++c) width += table.columnWidth(c);
        width = std::max(width, pdfTextWidth(canvas(), t.caption));
        return {{t.dx, t.dx + width, t.dy - kPdfTableCaptionRise - fontAscent * t.size,
                 t.dy + table.rowCount() * pdfTableRowHeight(table)}};
    }
    PageBlock extent(const Figure& f) {
        const PdfFigureExtent e = pdfFigureExtent(canvas(), book_.figure(f.id), f.dx, f.width);
        return {{f.dx, f.dx + e.width, f.dy - e.above, f.dy + f.height + e.below}};
    }

    void put(const Lines& l, Move m) {
        pdfListBlock(canvas(), l.dx + m.dx, l.dy + m.dy, book_.text(l.id).block(l.block), l.size);
    }
    void put(const Table& t, Move m) {
        pdfTable(canvas(), t.dx + m.dx, t.dy + m.dy, t.size, book_.table(t.id), t.caption);
    }
    void put(const Figure& f, Move m) {
        pdfFigure(canvas(), f.mode, book_.figure(f.id), f.dx + m.dx, f.dy + m.dy, f.width,
                  f.height);
    }

    TPDFMaker& pdf_;
    const CalculationBook& book_;
    std::vector<PageBlock> blocks_;
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
    const std::filesystem::path path = folder / pathFromUtf8(kPdfBookName);
    return {kConfirmation, kDone,
            [&book, subject = std::string(subjectName), hasShearKey, path](FileBatch& batch) {
                batch.add(path, pdfBookBytes(book, subject, hasShearKey));
            },
            [path](Dialogs& dialogs) {
                if (!dialogs.opensDocuments()) return;
                if (dialogs.confirm(kOpenQuestion) && !dialogs.openDocument(utf8FromPath(path)))
                    dialogs.message(MessageKind::Warning, noViewerMessage(path));
            }};
}

bool writePdfBook(const CalculationBook& book, std::string_view subjectName, bool hasShearKey,
                  Dialogs& dialogs, const std::filesystem::path& folder) {
    return runOutputCommands({pdfBookCommand(book, subjectName, hasShearKey, folder)}, dialogs);
}

}  // namespace marvoten
