#include "cli.h"

#include <filesystem>
#include <variant>

#include "app/cli_parser.h"
#include "app/console_dialogs.h"
#include "app/study_commands.h"
#include "output/figure_files.h"
#include "output/pdf_book.h"
#include "output/text_output.h"
#include "platform/utf8_path.h"
#include "platform/version.h"
#include "session/session.h"
#include "study/parameter_study.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

std::string usage() {
    return std::string(
               "使い方:\n"
               "  marvoten-cli run DESIGN.dat [--out DIR] [--txt] [--pdf] [--wmf] [--svg]\n"
               "  marvoten-cli run --default [--out DIR] [--txt] [--pdf] [--wmf] [--svg]\n"
               "      設計条件ファイル(または初期値)で計算し、指定の出力を DIR (既定: "
               "現在のフォルダ) "
               "に書きます。\n"
               "      出力の指定がなければ、すべての出力を書きます。\n"
               "  marvoten-cli save-default FILE.dat\n"
               "      初期値の設計条件ファイルを書きます。\n") +
           studyUsage +
           "  marvoten-cli --help | --version\n"
           "study と size の項目 (単位は設計条件入力と同じ):\n" +
           studyFieldList() +
           "終了コード: 0 計算・出力完了, 2 計算前チェックで中止 (size: 寸法が見つからない), 1 "
           "エラー\n";
}

int run(const RunWords& words, std::ostream& out, std::ostream& err) {
    ConsoleDialogs dialogs(out, err);
    Session session(dialogs);
    // A relative output folder is taken from the work folder, where the program started.
    const fs::path outFolder =
        words.outFolder ? session.workFolder / pathFromUtf8(*words.outFolder) : session.workFolder;
    if (words.designFile && !session.editor.loadDesignFileFrom(pathFromUtf8(*words.designFile)))
        return 1;
    switch (runCalculationCommand(session)) {
        case RunOutcome::Refused:
            return 2;
        case RunOutcome::Stopped:
        case RunOutcome::Cancelled:
            return 1;
        case RunOutcome::Completed:
            break;
    }
    std::error_code ec;
    fs::create_directories(outFolder, ec);
    if (ec) {
        err << "出力フォルダ「" << utf8FromPath(outFolder) << "」を作成できません：" << ec.message()
            << "\n";
        return 1;
    }
    return writeOutputs(session, words.outputs, outFolder) ? 0 : 1;
}

int saveDefault(const SaveDefaultWords& words, std::ostream& out, std::ostream& err) {
    ConsoleDialogs dialogs(out, err);
    DesignConditionsEditor editor(dialogs);
    return editor.saveDesignFileTo(pathFromUtf8(words.file)) ? 0 : 1;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandLine line = parseCommandLine(args);
    if (const auto* problem = std::get_if<CommandLineError>(&line)) {
        if (!problem->message.empty()) err << problem->message << "\n";
        err << (problem->usage == UsageShown::Study ? std::string(studyUsage) : usage());
        return 1;
    }
    if (std::holds_alternative<HelpWords>(line)) {
        out << usage();
        return 0;
    }
    if (std::holds_alternative<VersionWords>(line)) {
        out << "marvoten-cli " << programVersion << "\n";
        return 0;
    }
    if (const auto* words = std::get_if<RunWords>(&line)) return run(*words, out, err);
    if (const auto* words = std::get_if<SaveDefaultWords>(&line))
        return saveDefault(*words, out, err);
    if (const auto* words = std::get_if<StudyWords>(&line))
        return runStudyCommand(*words, out, err);
    return runSizeCommand(std::get<SizeWords>(line), out, err);
}

}  // namespace marvoten
