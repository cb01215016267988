#include "cli.h"

#include <algorithm>
#include <filesystem>
#include <optional>

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

struct Output {
    const char* flag;
    OutputKind kind;
};

constexpr Output outputs[] = {
    {"--txt", OutputKind::Text},
    {"--pdf", OutputKind::PdfBook},
    {"--wmf", OutputKind::Metafiles},
    {"--svg", OutputKind::SvgFiles},
};

struct RunRequest {
    std::optional<std::string> designFile;  // none: the start values
    fs::path outFolder = ".";
    std::vector<OutputKind> chosen;
};

// Parses "run" arguments; an error message when they are not of its form.
std::optional<std::string> parseRun(const std::vector<std::string>& args, RunRequest& r) {
    bool useDefault = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--default") {
            useDefault = true;
        } else if (a == "--out") {
            if (++i == args.size()) return "--out の後にフォルダを指定して下さい。";
            r.outFolder = pathFromUtf8(args[i]);
        } else if (a.rfind("-", 0) == 0) {
            const Output* found = std::find_if(std::begin(outputs), std::end(outputs),
                                               [&](const Output& o) { return a == o.flag; });
            if (found == std::end(outputs)) return "不明なオプションです: " + a;
            if (std::find(r.chosen.begin(), r.chosen.end(), found->kind) == r.chosen.end())
                r.chosen.push_back(found->kind);
        } else if (!r.designFile) {
            r.designFile = a;
        } else {
            return "設計条件ファイルは一つだけ指定して下さい: " + a;
        }
    }
    if (useDefault == r.designFile.has_value())
        return "設計条件ファイルか --default のどちらかを指定して下さい。";
    if (r.chosen.empty())
        for (const auto& o : outputs) r.chosen.push_back(o.kind);
    return std::nullopt;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    RunRequest request;
    if (auto problem = parseRun(args, request)) {
        err << *problem << "\n" << usage();
        return 1;
    }
    ConsoleDialogs dialogs(out, err);
    Session session(dialogs);
    if (request.designFile) {
        // Relative output folders are taken from where the program was started,
        // before the loaded file's folder becomes the current one.
        request.outFolder = fs::absolute(request.outFolder);
        if (!session.editor.loadDesignFileFrom(pathFromUtf8(*request.designFile))) return 1;
    }
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
    fs::create_directories(request.outFolder, ec);
    if (ec) {
        err << "出力フォルダ「" << utf8FromPath(request.outFolder) << "」を作成できません："
            << ec.message() << "\n";
        return 1;
    }
    return writeOutputs(session, request.chosen, request.outFolder) ? 0 : 1;
}

bool asksForHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "help";
}

int saveDefault(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || args[1].rfind("-", 0) == 0) {
        err << "保存するファイル名を一つ指定して下さい。\n" << usage();
        return 1;
    }
    ConsoleDialogs dialogs(out, err);
    DesignConditionsEditor editor(dialogs);
    return editor.saveDesignFileTo(pathFromUtf8(args[1])) ? 0 : 1;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << usage();
        return 1;
    }
    if (asksForHelp(args[0]) || (args.size() == 2 && asksForHelp(args[1]))) {
        out << usage();
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "marvoten-cli " << programVersion << "\n";
        return 0;
    }
    if (args[0] == "run") return run(args, out, err);
    if (args[0] == "save-default") return saveDefault(args, out, err);
    if (args[0] == "study") return runStudyCommand(args, out, err);
    if (args[0] == "size") return runSizeCommand(args, out, err);
    err << "不明なコマンドです: " << args[0] << "\n" << usage();
    return 1;
}

}  // namespace marvoten
