#include "app/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/study_commands.h"
#include "model/allowable_stresses.h"
#include "model/design_conditions.h"
#include "model/design_file.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "platform/version.h"
#include "support/ordinary_user.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

class Cli : public ::testing::Test {
protected:
    testing::TempFolder tmp;
    fs::path startFolder = fs::current_path();
    // Loading a design file makes its folder the current one.
    void TearDown() override { fs::current_path(startFolder); }

    fs::path out() const { return tmp.path() / "out"; }
    fs::path designWith(const std::string& name, void (*change)(DesignConditions&)) {
        DesignConditions d;
        change(d);
        fs::path p = tmp.path() / pathFromUtf8(name);
        writeDesignFile(p, d);
        return p;
    }
};

TEST_F(Cli, DesignFileOfTheStartValuesGivesTheSameTextAsTheDefault) {
    const fs::path dat = tmp.path() / "start.dat";
    ASSERT_EQ(cli({"save-default", utf8FromPath(dat)}).status, 0);
    ASSERT_EQ(cli({"run", "--default", "--txt", "--out", utf8FromPath(out() / "a")}).status, 0);
    CliResult loaded = cli({"run", utf8FromPath(dat), "--txt", "--out", utf8FromPath(out() / "b")});
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    std::string a = readFileBytes(out() / "a" / u8"擁壁.txt");
    std::string b = readFileBytes(out() / "b" / u8"擁壁.txt");
    // Only the subject name differs: the loaded file's name stands after "件　名：".
    const std::string subject = toCp932("件　名：start");
    const size_t at = b.find(subject);
    ASSERT_NE(at, std::string::npos);
    b.replace(at, subject.size(), toCp932("件　名："));
    EXPECT_EQ(a, b);
}

TEST_F(Cli, WritesOnlyTheChosenOutputsAndEveryOutputWithoutAFlag) {
    const CliResult twice =
        cli({"run", "--default", "--txt", "--txt", "--out", utf8FromPath(out() / "txt")});
    ASSERT_EQ(twice.status, 0);
    EXPECT_EQ(twice.out, "テキスト出力終わりました。\n")
        << "a flag given twice writes its output once";
    EXPECT_TRUE(fs::exists(out() / "txt" / u8"擁壁.txt"));
    EXPECT_FALSE(fs::exists(out() / "txt" / u8"擁壁計算結果.pdf"));
    CliResult all = cli({"run", "--default", "--out", utf8FromPath(out() / "all")});
    ASSERT_EQ(all.status, 0) << all.err;
    for (const char* name :
         {"擁壁.txt", "擁壁計算結果.pdf", "図：擁壁外形図.wmf", "図：擁壁外形図.svg"})
        EXPECT_TRUE(fs::exists(out() / "all" / pathFromUtf8(name))) << name;
    EXPECT_NE(all.out.find("テキスト出力終わりました。"), std::string::npos);
}

TEST_F(Cli, BadInputEndsWithAClearMessageAndItsStatus) {
    const fs::path random = tmp.path() / "random.dat";
    std::string bytes;
    for (int i = 0; i < 3000; ++i) bytes.push_back(static_cast<char>((i * 7919 + 13) % 251));
    writeFileSafely(random, bytes);
    const fs::path abc =
        designWith("abc.dat", [](DesignConditions& d) { d.backfillPhi.text = "abc"; });
    const fs::path wide =
        designWith("wide.dat", [](DesignConditions& d) { d.baseWidth.text = "5000"; });
    const fs::path checkedAbc =
        designWith("checked.dat", [](DesignConditions& d) { d.frontBatterWidth.text = "abc"; });

    struct Case {
        const char* what;
        std::vector<std::string> args;
        int status;
        const char* message;  // in standard error
    };
    const std::vector<Case> cases{
        {"missing design file", {"run", utf8FromPath(tmp.path() / "none.dat")}, 1, "none.dat"},
        {"random bytes", {"run", utf8FromPath(random)}, 1, "設計条件ファイルを読込めません"},
        {"field holding abc", {"run", utf8FromPath(abc)}, 1, "'abc' は数値ではありません"},
        {"field the checks read holding abc",
         {"run", utf8FromPath(checkedAbc)},
         1,
         "前面勾配幅(mm)：'abc'"},
        {"validation refusal", {"run", utf8FromPath(wide)}, 2, "擁壁形状(幅)を再確認して下さい。"},
        {"unknown flag", {"run", "--default", "--doc"}, 1, "不明なオプションです: --doc"},
        {"single-dash flag", {"run", "--default", "-x"}, 1, "不明なオプションです: -x"},
        {"no design", {"run"}, 1, "--default"},
        {"unknown command", {"draw"}, 1, "不明なコマンドです: draw"},
    };
    // The text output of an earlier good run stands in the output folder throughout.
    fs::create_directories(out());
    writeFileSafely(out() / u8"擁壁.txt", "earlier");
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--txt", "--out", utf8FromPath(out())});
        CliResult r = cli(args);
        EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(readFileBytes(out() / u8"擁壁.txt"), "earlier") << c.what;
        EXPECT_EQ(std::distance(fs::directory_iterator(out()), fs::directory_iterator()), 1)
            << c.what;
        fs::current_path(startFolder);
    }
}

TEST_F(Cli, ReadOnlyOutputFolderKeepsTheEarlierFile) {
#ifdef _WIN32
    GTEST_SKIP() << testing::kNoUnwritableFolderOnWindows;
#else
    ASSERT_EQ(cli({"run", "--default", "--txt", "--out", utf8FromPath(out())}).status, 0);
    const fs::path txt = out() / u8"擁壁.txt";
    writeFileSafely(txt, "earlier");
    fs::permissions(out(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read |
                               fs::perms::others_exec);
    fs::permissions(tmp.path(), fs::perms::others_exec | fs::perms::group_exec,
                    fs::perm_options::add);
    const int status = testing::exitStatusAsOrdinaryUser([&] {
        std::ostringstream o, e;
        const int cliStatus =
            runCli({"run", "--default", "--txt", "--out", utf8FromPath(out())}, o, e);
        return cliStatus == 1 && e.str().find("Permission denied") != std::string::npos ? 0 : 8;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFileBytes(txt), "earlier");
    fs::permissions(out(), fs::perms::owner_all);
#endif
}

// Every output of one run is written as one: a figure file that cannot replace
// what stands in its place leaves the earlier text and book as they were.
TEST_F(Cli, AnOutputThatCannotBeWrittenKeepsEveryEarlierOutput) {
    fs::create_directories(out() / u8"図：荷重図.svg");
    writeFileSafely(out() / u8"図：荷重図.svg" / "inner", "keep");
    writeFileSafely(out() / u8"擁壁.txt", "earlier text");
    writeFileSafely(out() / u8"擁壁計算結果.pdf", "earlier book");
    const CliResult r = cli({"run", "--default", "--out", utf8FromPath(out())});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("図：荷重図.svg"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << "no output reported as done";
    EXPECT_EQ(readFileBytes(out() / u8"擁壁.txt"), "earlier text");
    EXPECT_EQ(readFileBytes(out() / u8"擁壁計算結果.pdf"), "earlier book");
    EXPECT_EQ(std::distance(fs::directory_iterator(out()), fs::directory_iterator()), 3)
        << "no figure file and no temporary left";
}

// A design file that the allowable-stress window's transfer wrote runs, for every
// strength, bar grade and load case it offers (σck 18 writes τo "0.0").
TEST_F(Cli, EveryAllowableStressTransferRuns) {
    for (int strength = 0; strength < static_cast<int>(items::designStrength.size()); ++strength)
        for (int grade = 0; grade < 2; ++grade)
            for (int loadCase = 0; loadCase < 2; ++loadCase) {
                AllowableStressWindow w;
                w.chooseDesignStrength(strength);
                w.chooseBarGrade(grade);
                w.chooseLoadCase(loadCase);
                DesignConditions d;
                d.seismicCase = loadCase;
                w.transferTo(d);
                const fs::path dat = tmp.path() / "stresses.dat";
                writeDesignFile(dat, d);
                const CliResult r = cli({"run", dat.string(), "--txt", "--out", out().string()});
                EXPECT_EQ(r.status, 0) << items::designStrength[strength] << " " << grade << " "
                                       << loadCase << ": " << r.err;
            }
}

TEST_F(Cli, HelpListsTheCommands) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"},
                                               {"-h"},
                                               {"run", "--help"},
                                               {"save-default", "--help"},
                                               {"study", "--help"},
                                               {"size", "--help"}}) {
        CliResult r = cli(args);
        EXPECT_EQ(r.status, 0) << args.back();
        for (const char* command : {"run DESIGN.dat", "run --default", "save-default FILE.dat",
                                    "study DESIGN.dat --vary", "size DESIGN.dat"})
            EXPECT_NE(r.out.find(command), std::string::npos) << command;
    }
    EXPECT_FALSE(fs::exists("--help")) << "save-default --help writes no file";
    // The fields a study varies, each with its caption and unit.
    const std::string help = cli({"--help"}).out;
    for (const char* field : {"toeWidth", "つま先版幅(mm)", "backfillPhi", "裏込め土 φ(角度)"})
        EXPECT_NE(help.find(field), std::string::npos) << field;
}

// help2man builds the manual page from this line: the name, one blank, the version.
TEST_F(Cli, VersionIsTheProgramNameAndTheBuildsVersion) {
    const CliResult r = cli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("marvoten-cli ") + programVersion + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(cli({"run", "--version"}).status, 1) << "a word of run, not the program's";
}

// The study and the sizing: their outputs, their refusals of bad words, and the
// sizing's "no design passes" as status 2.
TEST_F(Cli, StudyAndSizeWriteTheirOutputsOrSayWhyNot) {
    const fs::path dat = designWith("wall.dat", [](DesignConditions& d) { d.sigmaCa.text = "9"; });
    const fs::path csv = out() / "s.csv", svg = out() / "s.svg";
    fs::create_directories(out());
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;  // in the output or the error
        std::vector<fs::path> written;
    };
    const Case cases[] = {
        {{"study", utf8FromPath(dat), "--vary", "toeWidth=3000:3500:250", "--csv",
          utf8FromPath(csv), "--svg", utf8FromPath(svg)},
         0,
         "3 件の設計を照査しました",
         {csv, svg}},
        {{"study", utf8FromPath(dat), "--vary", "toeWidth=3000"}, 1, "項目名=開始:終了:刻み", {}},
        {{"study", utf8FromPath(dat)}, 1, "引数が正しくありません", {}},
        {{"study", utf8FromPath(dat), "--vary", "toeWidth=1:2:1", "--vary", "crestWidth=1:2:1",
          "--vary", "baseThickness=1:2:1"},
         1,
         "二つまで",
         {}},
        {{"size", utf8FromPath(dat), "--free", "toeWidth=500:1000:50", "--free",
          "frontBatterWidth=0:200:50", "--out", utf8FromPath(out() / "none")},
         2,
         "すべての照査を満たす寸法はありません",
         {}},
        {{"size", utf8FromPath(dat), "--free", "heelWidth", "--out", utf8FromPath(out() / "bad")},
         1,
         "「heelWidth」の範囲",
         {}},
        {{"size", utf8FromPath(dat), "--out", utf8FromPath(out() / "sized")},
         0,
         "照査した設計",
         {out() / "sized" / u8"寸法決定.dat", out() / "sized" / u8"擁壁.txt",
          out() / "sized" / u8"擁壁計算結果.pdf"}},
    };
    for (const Case& c : cases) {
        const CliResult r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args.back() << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r.out << r.err;
        for (const fs::path& p : c.written) EXPECT_TRUE(fs::exists(p)) << p;
    }
    EXPECT_FALSE(fs::exists(out() / "none")) << "nothing written without a sized design";
    // The sized design file is loaded and computed as any other.
    EXPECT_EQ(cli({"run", utf8FromPath(out() / "sized" / u8"寸法決定.dat"), "--txt", "--out",
                   utf8FromPath(out() / "again")})
                  .status,
              0);
}

// A command line not of its command's form ends before anything is read or written:
// standard error holds the message (if any), then the usage of the whole program, or
// the study commands' usage for study and size; the status is 1. The design files
// named need not exist.
TEST_F(Cli, EveryCommandRefusesWordsNotOfItsFormWithItsMessage) {
    enum class Usage { Program, Study };
    struct Case {
        std::vector<std::string> args;
        const char* message;  // the first line of standard error; "" for none
        Usage usage;
    };
    constexpr Usage P = Usage::Program, S = Usage::Study;
    const Case cases[] = {
        {{}, "", P},
        {{"draw"}, "不明なコマンドです: draw", P},
        {{"-x"}, "不明なコマンドです: -x", P},
        {{"--version", "run"}, "不明なコマンドです: --version", P},

        {{"run"}, "設計条件ファイルか --default のどちらかを指定して下さい。", P},
        {{"run", "a.dat", "--default"},
         "設計条件ファイルか --default のどちらかを指定して下さい。",
         P},
        {{"run", "a.dat", "b.dat"}, "設計条件ファイルは一つだけ指定して下さい: b.dat", P},
        // Another command's name after the command is only a word.
        {{"run", "a.dat", "study"}, "設計条件ファイルは一つだけ指定して下さい: study", P},
        {{"run", "--default", "--doc"}, "不明なオプションです: --doc", P},
        {{"run", "--default", "-"}, "不明なオプションです: -", P},
        {{"run", "--default", "--"}, "不明なオプションです: --", P},
        {{"run", "--default", "--help"}, "不明なオプションです: --help", P},
        {{"run", "--version"}, "不明なオプションです: --version", P},
        {{"run", "--default", "--txt=0"}, "不明なオプションです: --txt=0", P},
        {{"run", "--default", "--out"}, "--out の後にフォルダを指定して下さい。", P},
        // The first mistake in the order of the words is the one reported.
        {{"run", "--doc", "--out"}, "不明なオプションです: --doc", P},
        {{"run", "a.dat", "b.dat", "--doc"}, "設計条件ファイルは一つだけ指定して下さい: b.dat", P},
        {{"run", "a.dat", "--txt=1", "b.dat"}, "不明なオプションです: --txt=1", P},

        {{"save-default"}, "保存するファイル名を一つ指定して下さい。", P},
        {{"save-default", "a.dat", "b.dat"}, "保存するファイル名を一つ指定して下さい。", P},
        {{"save-default", "-x"}, "保存するファイル名を一つ指定して下さい。", P},
        {{"save-default", "-"}, "保存するファイル名を一つ指定して下さい。", P},
        {{"save-default", "a.dat", "--help"}, "保存するファイル名を一つ指定して下さい。", P},

        {{"study"}, "引数が正しくありません: DESIGN is required", S},
        {{"study", "a.dat"}, "引数が正しくありません: --vary is required", S},
        {{"study", "a.dat", "--vary"},
         "引数が正しくありません: --vary: 1 required TEXT missing",
         S},
        {{"study", "a.dat", "b.dat", "--vary", "toeWidth=1:2:1"},
         "引数が正しくありません: The following argument was not expected: b.dat",
         S},
        {{"study", "a.dat", "--vary", "toeWidth=1:2:1", "--csv", "x.csv", "--csv", "y.csv"},
         "引数が正しくありません: --csv: At Most 1 required but received 2",
         S},
        {{"study", "a.dat", "--vary", "toeWidth=1:2:1", "--out", "x"},
         "引数が正しくありません: The following arguments were not expected: x --out",
         S},
        {{"study", "a.dat", "--vary", "a=1:2:1", "--vary", "b=1:2:1", "--vary", "c=1:2:1"},
         "変化させる項目は二つまでです。",
         S},

        {{"size"}, "引数が正しくありません: DESIGN is required", S},
        {{"size", "a.dat", "--out"}, "引数が正しくありません: --out: 1 required TEXT missing", S},
        {{"size", "a.dat", "--free"}, "引数が正しくありません: --free: 1 required TEXT missing", S},
        {{"size", "a.dat", "run"},
         "引数が正しくありません: The following argument was not expected: run",
         S},
        {{"size", "a.dat", "--out", "x", "--out", "y"},
         "引数が正しくありません: --out: At Most 1 required but received 2",
         S},
    };
    const std::string programUsage = cli({"--help"}).out;
    ASSERT_EQ(programUsage.rfind("使い方:\n", 0), 0u);
    fs::current_path(tmp.path());
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.args) line += " " + a;
        const CliResult r = cli(c.args);
        EXPECT_EQ(r.status, 1) << line;
        const std::string message = *c.message ? std::string(c.message) + "\n" : "";
        EXPECT_EQ(r.err, message + (c.usage == P ? programUsage : std::string(studyUsage))) << line;
        EXPECT_EQ(r.out, "") << line;
    }
    EXPECT_TRUE(fs::is_empty(tmp.path())) << "a refused command line writes nothing";
}

}  // namespace
}  // namespace marvoten
