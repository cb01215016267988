#include "output/pdf_book.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <variant>

#include "pdf_book_stream_reader.h"
#include "pdf_book_test_book.h"
#include "platform/safe_file.h"
#include "support/ordinary_user.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;
using testing::PageDrawing;

const Clock fixedClock = [] { return std::string("20261210153000"); };

// The page titles in file order: the contents page first, then P1 to P11 (and P12).
const std::vector<std::string> titles{
    "目　　次",
    "Ⅰ.設計条件",
    "Ⅱ-1.荷重計算(自重:安定計算用)",
    "Ⅱ-2.荷重計算(自重:構造計算用)",
    "Ⅱ-3.荷重計算(土圧等)",
    "Ⅲ-1.安定計算",
    "Ⅲ-1.安定計算(極限支持力)",
    "Ⅲ-2.荷重図",
    "Ⅳ-1-1.構造計算:たて壁(断面力)",
    "Ⅳ-1-2.構造計算:たて壁(応力度)",
    "Ⅳ-1-3.構造計算:たて壁(鉄筋定着長)",
    "Ⅳ-2-1.構造計算:底版(つま先版)",
    "Ⅳ-2-2.構造計算:底版(突起)",
};

class PdfBook : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        withoutKey =
            new CalculationBook(testing::representativeBook(DesignConditions{}, "擁壁試験"));
        withKey = new CalculationBook(
            testing::representativeBook(testing::wallWithShearKey(), "擁壁試験"));
    }
    static void TearDownTestSuite() {
        delete withoutKey;
        delete withKey;
    }
    static std::vector<PageDrawing> pages(bool key) {
        return testing::readPages(
            pdfBookBytes(key ? *withKey : *withoutKey, "擁壁試験", key, fixedClock));
    }
    static const CalculationBook& book(bool key) { return key ? *withKey : *withoutKey; }

    static CalculationBook* withoutKey;
    static CalculationBook* withKey;
};
CalculationBook* PdfBook::withoutKey = nullptr;
CalculationBook* PdfBook::withKey = nullptr;

int frameCount(const PageDrawing& page) {
    int n = 0;
    for (const auto& r : page.rects)
        if (!r.clip && r.x1 == 45 && r.y1 == 817 && r.x2 == 571 && r.y2 == 28) ++n;
    return n;
}

TEST_F(PdfBook, TwelvePagesWithoutAShearKeyThirteenWithOneEachFramedTitledAndNumbered) {
    for (bool key : {false, true}) {
        const auto drawn = pages(key);
        ASSERT_EQ(drawn.size(), key ? 13u : 12u);
        for (std::size_t p = 0; p < drawn.size(); ++p) {
            const PageDrawing& page = drawn[p];
            EXPECT_EQ(frameCount(page), 1) << "page " << p + 1;
            auto title = page.textsEqualTo(titles[p]);
            ASSERT_EQ(title.size(), 1u) << "page " << p + 1 << " lacks " << titles[p];
            EXPECT_EQ(title[0].x, p == 0 ? 285 : 50);
            EXPECT_EQ(title[0].y, 802);
            EXPECT_EQ(title[0].size, 12);
            std::vector<testing::DrawnText> footers;
            for (const auto& t : page.texts)
                if (t.text.rfind("Page: ", 0) == 0) footers.push_back(t);
            if (p == 0) {
                EXPECT_TRUE(footers.empty()) << "the contents page has no page number";
                continue;
            }
            ASSERT_EQ(footers.size(), 1u) << "page " << p + 1;
            EXPECT_EQ(footers[0].text, "Page: " + std::to_string(p));
            EXPECT_EQ(footers[0].y, 16);
            EXPECT_EQ(footers[0].size, 10);
        }
    }
}

// Where each section is drawn (file pages from 1, the contents page first): every
// text block by its first non-empty line, every table by its caption, every figure
// by its title.
struct Placement {
    std::variant<TextId, TableId, FigureId> section;
    int block;  // text blocks only
    int page;
    const char* caption;  // tables only
};

const std::vector<Placement> placements{
    {TextId::ContentsText, 0, 1, nullptr},
    {TextId::ConditionsText, 0, 2, nullptr},
    {TextId::ConditionsText, 1, 2, nullptr},
    {FigureId::WallShapeFigure, 0, 2, nullptr},
    {TableId::CeTable, 0, 2, "Ce ：部材断面の有効高dの補正係数"},
    {TableId::CptTable, 0, 2, "Cpt：軸方向引張鉄筋比Ptの補正係数"},
    {TableId::CdcTable, 0, 2, "Cdc：剪断ｽﾊﾟﾝ比による割り増し係数"},
    {TextId::SelfWeightText, 0, 3, nullptr},
    {TableId::StabilityPointTable, 0, 3, "表:荷重座標一覧表"},
    {FigureId::StabilityLoadFigure, 0, 3, nullptr},
    {TextId::SlabSelfWeightText, 0, 4, nullptr},
    {TableId::SlabLoadTable, 0, 4, "荷重計算結果一覧表"},
    {TableId::SlabPointTable, 0, 4, "表:荷重座標一覧表"},
    {FigureId::SlabLoadFigure, 0, 4, nullptr},
    {TextId::EarthPressureText, 0, 5, nullptr},
    {TextId::OtherLoadsText, 0, 5, nullptr},
    {FigureId::EarthPressureFigure, 0, 5, nullptr},
    {TableId::LoadListTable, 0, 5, "表:荷重一覧"},
    {TextId::SlidingText, 0, 6, nullptr},
    {TextId::OverturningText, 0, 6, nullptr},
    {TextId::BearingText, 0, 6, nullptr},
    {FigureId::GroundReactionFigure, 0, 6, nullptr},
    {TextId::UltimateBearingText, 0, 7, nullptr},
    {FigureId::LoadDiagramFigure, 0, 8, nullptr},
    {TextId::LoadSummaryText, 0, 8, nullptr},
    {TextId::StemForcesText, 0, 9, nullptr},
    {TextId::StemForcesText, 1, 9, nullptr},
    {TableId::StemForcesTable, 0, 9, "表:断面力"},
    {TextId::StemStressText, 0, 10, nullptr},
    {TableId::StemStressTable, 0, 10, "表:応力度及び配筋量"},
    {FigureId::StemStressFigure, 0, 10, nullptr},
    {TextId::AnchorageText, 0, 11, nullptr},
    {TextId::AnchorageText, 1, 11, nullptr},
    {FigureId::AnchorageFigureL1, 0, 11, nullptr},
    {FigureId::AnchorageFigureL2, 0, 11, nullptr},
    {TextId::ToeForcesText, 0, 12, nullptr},
    {TextId::ToeStressText, 0, 12, nullptr},
    {FigureId::ToeReactionFigure, 0, 12, nullptr},
    {TableId::ToeHalfDepthTable, 0, 12, "表:断面力(剪断力:H/2部)"},
    {TableId::ToeRootTable, 0, 12, "表:断面力(曲げﾓｰﾒﾝﾄ:たて壁付根部)"},
    {TableId::ToeStressTable, 0, 12, "表:応力度及び配筋量"},
    {TextId::KeyForcesText, 0, 13, nullptr},
    {TextId::KeyStressText, 0, 13, nullptr},
    {FigureId::KeyFigure, 0, 13, nullptr},
    {TableId::KeyTable, 0, 13, "表:応力度及び配筋量"},
};

std::string firstLine(const TextBlock& block) {
    for (const std::string& l : block.lines())
        if (!l.empty()) return l;
    return {};
}

std::string marker(const CalculationBook& book, const Placement& p) {
    if (auto* t = std::get_if<TextId>(&p.section)) return firstLine(book.text(*t).block(p.block));
    if (auto* f = std::get_if<FigureId>(&p.section)) return book.figure(*f).title();
    return p.caption;
}

TEST_F(PdfBook, EverySectionIsDrawnOnItsPage) {
    const auto drawn = pages(true);
    for (const Placement& p : placements) {
        const std::string text = marker(book(true), p);
        ASSERT_FALSE(text.empty())
            << "the test book leaves a section empty (page " << p.page << ")";
        EXPECT_TRUE(drawn[p.page - 1].hasText(text)) << "'" << text << "' not on page " << p.page;
    }
    // Without a key the key's sections appear nowhere.
    const std::string keyLine = firstLine(book(false).text(TextId::KeyForcesText).upper());
    for (const PageDrawing& page : pages(false)) EXPECT_FALSE(page.hasText(keyLine));
}

TEST_F(PdfBook, BlocksAndFiguresAtTheirPlacesOnThePage) {
    const auto drawn = pages(false);
    // The lower conditions block at dx 300, dy 360 in 9 points.
    const std::string lower = book(false).text(TextId::ConditionsText).lower().line(0);
    auto at = drawn[1].textsEqualTo(lower);
    ASSERT_EQ(at.size(), 1u);
    EXPECT_EQ(at[0].x, 345);
    EXPECT_EQ(at[0].y, 457);
    EXPECT_EQ(at[0].size, 9);
    // The load summary in 10 points at dx 20, dy 530; its second line 12 points lower.
    const TextBlock& summary = book(false).text(TextId::LoadSummaryText).upper();
    auto second = drawn[7].textsEqualTo(summary.line(1));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].x, 65);
    EXPECT_EQ(second[0].y, 275);
    EXPECT_EQ(second[0].size, 10);
    // The load diagram's clip frame: 450 x 450 at dx 20, dy 50.
    bool found = false;
    for (const auto& r : drawn[7].rects)
        found |= r.clip && r.x1 == 65 && r.y1 == 767 && r.x2 == 515 && r.y2 == 317;
    EXPECT_TRUE(found);
    // The anchorage figures are drawn downwards: in each frame (L1 at dy 250, L2 at
    // dy 550, 300 high) the wall outline of series 1 has its base (height 0) near the
    // top edge, above its crest, where the outline starts.
    for (double top : {567.0, 267.0}) {
        std::vector<double> ys;
        for (const auto& l : drawn[10].lines)
            if (l.width == 0.2 && l.y1 <= top && l.y1 > top - 300) ys.push_back(l.y1);
        ASSERT_FALSE(ys.empty()) << top;
        const double base = *std::max_element(ys.begin(), ys.end());
        EXPECT_GT(base, top - 20) << top;
        EXPECT_GT(base, ys.front() + 100) << top;
    }
}

TEST_F(PdfBook, SubjectNameShiftJisCannotHoldIsShownWithQuestionMarks) {
    // A design file named with characters outside Shift-JIS: the document is still
    // written, its title and the contents line carry "?" in their place.
    EXPECT_EQ(pdfBookTitle("擁壁😀案"), "擁壁?案");
    CalculationBook book;
    book.text(TextId::ContentsText).addLine("件　名：擁壁😀案");
    std::string bytes;
    ASSERT_NO_THROW(bytes = pdfBookBytes(book, "擁壁😀案", false, fixedClock));
    EXPECT_TRUE(testing::readPages(bytes)[0].hasText("件　名：擁壁?案"));
}

TEST_F(PdfBook, AnEmptyBookStillGivesEveryPage) {
    const CalculationBook empty;
    const auto drawn = testing::readPages(pdfBookBytes(empty, "", false, fixedClock));
    ASSERT_EQ(drawn.size(), 12u);
    EXPECT_TRUE(drawn[11].hasText("Page: 11"))
        << "the last footer is written before the file closes";
}

TEST(PdfBookCommand, AsksWritesReportsAndOffersToOpen) {
    const std::string confirmation =
        "計算結果をPDF出力しますか。\r\r出力ファイル名は\r　擁壁計算結果.pdf\rです。";
    const std::string openQuestion =
        "[ 擁壁計算結果.pdf ]を表示しますか？\r\r(起動まで少し時間がかかります。)";
    testing::TempFolder tmp;
    const fs::path file = tmp.path() / u8"擁壁計算結果.pdf";
    CalculationBook book;

    testing::FakeDialogs no;
    no.defaultAnswer = false;
    EXPECT_FALSE(writePdfBook(book, "", false, no, tmp.path()));
    EXPECT_FALSE(fs::exists(file)) << "No creates no file";
    EXPECT_EQ(no.confirmations, std::vector<std::string>{confirmation});
    EXPECT_TRUE(no.messages.empty());

    testing::FakeDialogs notOpened;
    notOpened.answers = {true, false};
    EXPECT_TRUE(writePdfBook(book, "擁壁", false, notOpened, tmp.path()));
    EXPECT_EQ(readFileBytes(file).rfind("%PDF-1.2 \r\n", 0), 0u);
    ASSERT_EQ(notOpened.messages.size(), 1u);
    EXPECT_EQ(notOpened.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(notOpened.messages[0].text, "擁壁計算結果.pdfを作成しました");
    EXPECT_EQ(notOpened.confirmations, (std::vector<std::string>{confirmation, openQuestion}));
    EXPECT_TRUE(notOpened.openedDocuments.empty());

    testing::FakeDialogs opened;
    EXPECT_TRUE(writePdfBook(book, "擁壁", true, opened, tmp.path()));
    EXPECT_EQ(opened.openedDocuments, std::vector<std::string>{file.string()});
    EXPECT_EQ(testing::readPages(readFileBytes(file)).size(), 13u)
        << "the earlier file is replaced";

    // Regression: with no viewer installed, Yes did nothing and said nothing.
    testing::FakeDialogs noViewer;
    noViewer.documentsOpen = false;
    EXPECT_TRUE(writePdfBook(book, "擁壁", false, noViewer, tmp.path()));
    ASSERT_EQ(noViewer.messages.size(), 2u);
    EXPECT_EQ(noViewer.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(noViewer.messages[1].text,
              "擁壁計算結果.pdf を開くプログラムが見つかりませんでした。\r\r"
              "ファイルは次の場所にあります。\r" +
                  file.string());
}

// As root the writer forks and drops to "nobody", since root ignores folder
// permissions.
TEST(PdfBookCommand, ReadOnlyFolderIsReportedAndKeepsTheEarlierFileWhole) {
#ifdef _WIN32
    GTEST_SKIP() << testing::kNoUnwritableFolderOnWindows;
#else
    testing::TempFolder tmp;
    const fs::path file = tmp.path() / u8"擁壁計算結果.pdf";
    writeFileSafely(file, "earlier book");
    fs::permissions(tmp.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const int status = testing::exitStatusAsOrdinaryUser([&] {
        testing::FakeDialogs dialogs;
        const CalculationBook book;
        if (writePdfBook(book, "", false, dialogs, tmp.path())) return 2;
        if (dialogs.messages.size() != 1 || dialogs.messages[0].kind != MessageKind::Error)
            return 4;
        const std::string& text = dialogs.messages[0].text;
        if (text.find("擁壁計算結果.pdf") == std::string::npos ||
            text.find("書き込めません") == std::string::npos)
            return 5;
        if (dialogs.confirmations.size() != 1) return 6;
        return 0;
    });
    EXPECT_EQ(status, 0)
        << "2: reported success, 3: could not drop root, 4: no single error message, "
           "5: message lacks the file or the reason, 6: asked to open a file not written";
    EXPECT_EQ(readFileBytes(file), "earlier book");
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1)
        << "no temporary file left";
#endif
}

}  // namespace
}  // namespace marvoten
