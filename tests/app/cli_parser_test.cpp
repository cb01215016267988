#include "app/cli_parser.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

using Words = std::vector<std::string>;
constexpr OutputKind Txt = OutputKind::Text, Pdf = OutputKind::PdfBook, Wmf = OutputKind::Metafiles,
                     Svg = OutputKind::SvgFiles;

// run: the outputs in the order first named (all four, in the usage's order, when
// none is), the last --out, and --out's value taken whatever it looks like.
TEST(CommandLine, RunReadsTheDesignTheFolderAndTheOutputs) {
    struct Case {
        Words args;
        std::optional<std::string> design, folder;
        std::vector<OutputKind> outputs;
    };
    const Case cases[] = {
        {{"run", "--default"}, std::nullopt, std::nullopt, {Txt, Pdf, Wmf, Svg}},
        {{"run", "wall.dat", "--pdf", "--txt", "--pdf"}, "wall.dat", std::nullopt, {Pdf, Txt}},
        {{"run", "--svg", "--default", "--default", "--wmf"},
         std::nullopt,
         std::nullopt,
         {Svg, Wmf}},
        {{"run", "--out", "a", "--default", "--out", "b", "--txt"}, std::nullopt, "b", {Txt}},
        {{"run", "--default", "--out", "--txt"}, std::nullopt, "--txt", {Txt, Pdf, Wmf, Svg}},
        {{"run", "擁壁Ａ.dat", "--out", "出力"}, "擁壁Ａ.dat", "出力", {Txt, Pdf, Wmf, Svg}},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        const auto* run = std::get_if<RunWords>(&line);
        ASSERT_NE(run, nullptr) << c.args[1];
        EXPECT_EQ(run->designFile, c.design) << c.args[1];
        EXPECT_EQ(run->outFolder, c.folder) << c.args[1];
        EXPECT_EQ(run->outputs, c.outputs) << c.args[1];
    }
}

TEST(CommandLine, SaveDefaultStudyAndSizeReadTheirWords) {
    const CommandLine save = parseCommandLine({"save-default", "初期値.dat"});
    ASSERT_TRUE(std::holds_alternative<SaveDefaultWords>(save));
    EXPECT_EQ(std::get<SaveDefaultWords>(save).file, "初期値.dat");

    const CommandLine study = parseCommandLine({"study", "wall.dat", "--vary", "toeWidth=1:3:1",
                                                "--svg", "s.svg", "--vary", "kh=0:0.2:0.1"});
    ASSERT_TRUE(std::holds_alternative<StudyWords>(study));
    const auto& s = std::get<StudyWords>(study);
    EXPECT_EQ(s.designFile, "wall.dat");
    EXPECT_EQ(s.varied, (Words{"toeWidth=1:3:1", "kh=0:0.2:0.1"}));
    EXPECT_EQ(s.csvFile, "");
    EXPECT_EQ(s.svgFile, "s.svg");

    const CommandLine plain = parseCommandLine({"size", "wall.dat"});
    ASSERT_TRUE(std::holds_alternative<SizeWords>(plain));
    EXPECT_TRUE(std::get<SizeWords>(plain).free.empty());
    EXPECT_EQ(std::get<SizeWords>(plain).outFolder, ".");
    const CommandLine sized = parseCommandLine({"size", "wall.dat", "--free", "toeWidth", "--out",
                                                "o", "--free", "crestWidth=300:500:50"});
    ASSERT_TRUE(std::holds_alternative<SizeWords>(sized));
    EXPECT_EQ(std::get<SizeWords>(sized).free, (Words{"toeWidth", "crestWidth=300:500:50"}));
    EXPECT_EQ(std::get<SizeWords>(sized).outFolder, "o");
}

// Help is asked by its word first, or as the only word after any first word; the
// version only alone.
TEST(CommandLine, HelpAndVersionAreAskedByTheirPlace) {
    const Words help[] = {{"--help"},        {"-h"},         {"help"},        {"--help", "run"},
                          {"run", "--help"}, {"draw", "-h"}, {"size", "help"}};
    for (const Words& args : help)
        EXPECT_TRUE(std::holds_alternative<HelpWords>(parseCommandLine(args))) << args.back();
    EXPECT_TRUE(std::holds_alternative<VersionWords>(parseCommandLine({"--version"})));
    const Words notHelp[] = {{"run", "--default", "--help"}, {"--version", "x"}};
    for (const Words& args : notHelp)
        EXPECT_TRUE(std::holds_alternative<CommandLineError>(parseCommandLine(args)))
            << args.back();
}

}  // namespace
}  // namespace marvoten
