#include "output/figure_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "book/calculation_book.h"
#include "figure_test_tools.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "support/test_support.h"
#include "wmf_file_reader.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;
using testing::TempFolder;

const std::vector<std::string> namesWithoutKey{"図：擁壁外形図",
                                               "図：点番号図(安定計算用)",
                                               "図：点番号図",
                                               "図：すべり角～土圧",
                                               "図：地盤版力図",
                                               "図：荷重図",
                                               "図：たて壁(応力度)",
                                               "図：たて壁(高さ～必要鉄筋量)",
                                               "図：たて壁(高さ～引張応力度)",
                                               "図：つま先版地盤版力図"};

std::vector<std::string> expectedNames(bool key, const std::string& extension) {
    std::vector<std::string> names;
    for (const auto& n : namesWithoutKey) names.push_back(n + extension);
    if (key) names.push_back("図：突起" + extension);
    return names;
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(utf8FromPath(e.path().filename()));
    std::sort(out.begin(), out.end());
    return out;
}

struct FormatCase {
    FigureFileFormat format;
    const char* extension;
    const char* confirmation;
    const char* done;
};

class FigureFiles : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FigureFiles, NamesAndOrderWithAndWithoutAKey) {
    const FormatCase& c = GetParam();
    for (bool key : {false, true}) {
        std::vector<std::string> names;
        for (const auto& f : figureFiles(key, c.format)) names.push_back(f.name);
        EXPECT_EQ(names, expectedNames(key, c.extension)) << "key " << key;
    }
    const auto files = figureFiles(true, c.format);
    EXPECT_EQ(files[1].figure, FigureId::StabilityLoadFigure);
    EXPECT_EQ(files[2].figure, FigureId::SlabLoadFigure);
    EXPECT_EQ(files[10].figure, FigureId::KeyFigure);
}

TEST_P(FigureFiles, ExportWritesEveryFigureAndReplacesOldFiles) {
    const FormatCase& c = GetParam();
    CalculationBook book;
    testing::fillFiguresPlausibly(book);
    TempFolder folder;
    FakeDialogs dialogs;
    ASSERT_TRUE(exportFigureFiles(book, false, dialogs, folder.path(), c.format));
    EXPECT_EQ(dialogs.confirmations, (std::vector<std::string>{c.confirmation}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.messages[0].text, c.done);
    auto expected = expectedNames(false, c.extension);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesIn(folder.path()), expected);

    // A second run with other points and a key replaces every file.
    book.figure(FigureId::LoadDiagramFigure).series(6).addPoint(1.5, 2.5, "Pa=99.9kN");
    ASSERT_TRUE(exportFigureFiles(book, true, dialogs, folder.path(), c.format));
    expected = expectedNames(true, c.extension);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesIn(folder.path()), expected);
    for (const auto& f : figureFiles(true, c.format))
        EXPECT_EQ(testing::readBytes(folder.path() / pathFromUtf8(f.name)),
                  figureFileBytes(book.figure(f.figure), figureScreenSize(f.figure), c.format,
                                  figureRenderOptions(f.figure)))
            << f.name;
}

TEST_P(FigureFiles, NoWritesNothing) {
    CalculationBook book;
    TempFolder folder;
    FakeDialogs dialogs;
    dialogs.defaultAnswer = false;
    EXPECT_FALSE(exportFigureFiles(book, true, dialogs, folder.path(), GetParam().format));
    EXPECT_TRUE(filesIn(folder.path()).empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

// A folder standing where the second file goes cannot be replaced by it: the
// command writes none of its files and the earlier first file stays.
TEST_P(FigureFiles, WriteErrorStopsWithItsMessageAndKeepsEveryEarlierFile) {
    const auto files = figureFiles(false, GetParam().format);
    CalculationBook book;
    TempFolder folder;
    writeFileSafely(folder.path() / pathFromUtf8(files[0].name), "earlier");
    fs::create_directory(folder.path() / pathFromUtf8(files[1].name));
    FakeDialogs dialogs;
    EXPECT_FALSE(exportFigureFiles(book, false, dialogs, folder.path(), GetParam().format));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_NE(dialogs.messages[0].text.find(files[1].name), std::string::npos)
        << dialogs.messages[0].text;
    EXPECT_EQ(readFileBytes(folder.path() / pathFromUtf8(files[0].name)), "earlier");
    EXPECT_EQ(filesIn(folder.path()).size(), 2u) << "no other file and no temporary";
}

INSTANTIATE_TEST_SUITE_P(Formats, FigureFiles,
                         ::testing::Values(FormatCase{FigureFileFormat::Metafile, ".wmf",
                                                      "計算結果図をメタファイル出力しますか。",
                                                      "メタファイル出力終わりました。"},
                                           FormatCase{FigureFileFormat::Svg, ".svg",
                                                      "計算結果図をSVG出力しますか。",
                                                      "SVG出力終わりました。"}),
                         [](const auto& info) {
                             return info.param.format == FigureFileFormat::Svg ? "Svg" : "Metafile";
                         });

// Every exported file passes the readers a user's programs would use, before
// the first calculation (no points) and after one.
class FigureFileReaders : public ::testing::TestWithParam<bool> {};

TEST_P(FigureFileReaders, EveryMetafileAndEverySvgIsRead) {
    CalculationBook book;
    if (GetParam()) testing::fillFiguresPlausibly(book);
    TempFolder folder;
    FakeDialogs dialogs;
    ASSERT_TRUE(exportFigureFiles(book, true, dialogs, folder.path(), FigureFileFormat::Metafile));
    ASSERT_TRUE(exportFigureFiles(book, true, dialogs, folder.path(), FigureFileFormat::Svg));
    for (const char* reader : {"wmf2svg", "xmllint", "rsvg-convert"})
        MARVOTEN_ASSERT_INSTALLED(reader);
    for (const auto& f : figureFiles(true, FigureFileFormat::Metafile)) {
        const fs::path path = folder.path() / pathFromUtf8(f.name);
        const auto file = testing::readWmf(testing::readBytes(path));
        EXPECT_TRUE(file.ok()) << f.name << ": " << ::testing::PrintToString(file.faults);
        const FigureSize size = figureScreenSize(f.figure);
        EXPECT_EQ(file.right, size.width);
        EXPECT_EQ(file.bottom, size.height);
        bool hasTitle = false;
        for (const auto& t : file.texts)
            hasTitle |= t.cp932 == toCp932(book.figure(f.figure).title());
        EXPECT_TRUE(hasTitle) << f.name;
        EXPECT_EQ(
            testing::runQuietly("wmf2svg -o " + testing::shellQuoted(folder.path() / "check.svg") +
                                " " + testing::shellQuoted(path)),
            0)
            << f.name;
    }
    for (const auto& f : figureFiles(true, FigureFileFormat::Svg)) {
        const fs::path path = folder.path() / pathFromUtf8(f.name);
        const std::string doc = testing::readBytes(path);
        EXPECT_NE(doc.find(">" + book.figure(f.figure).title() + "</text>"), std::string::npos)
            << f.name;
        EXPECT_EQ(testing::runQuietly("xmllint --noout " + testing::shellQuoted(path)), 0)
            << f.name;
        EXPECT_EQ(testing::runQuietly("rsvg-convert -o " +
                                      testing::shellQuoted(folder.path() / "check.png") + " " +
                                      testing::shellQuoted(path)),
                  0)
            << f.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Books, FigureFileReaders, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Filled" : "Empty"; });

}  // namespace
}  // namespace marvoten
