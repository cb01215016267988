#include "app/cli_parser.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>

namespace marvoten {
namespace {

struct OutputFlag {
    const char* flag;
    OutputKind kind;
};

// The order of the table is the order of the outputs when none is named.
constexpr OutputFlag outputFlags[] = {
    {"--txt", OutputKind::Text},
    {"--pdf", OutputKind::PdfBook},
    {"--wmf", OutputKind::Metafiles},
    {"--svg", OutputKind::SvgFiles},
};

bool asksForHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "help";
}

bool looksLikeOption(const std::string& word) {
    return word.rfind('-', 0) == 0;
}

// The four commands, each with its options and the place its words are read into.
// run and save-default answer every word that is none of their options with their own
// messages, so they keep the words CLI11 does not take (allow_extras) and read them
// here; study and size report CLI11's own account of what is wrong.
class Commands {
public:
    Commands() {
        program_.set_help_flag();  // --help is answered before a command is parsed

        run_ = program_.add_subcommand("run", "calculation of one design");
        run_->set_help_flag();
        run_->allow_extras();
        runDefault_ = run_->add_flag("--default")->disable_flag_override();
        runOut_ = run_->add_option("--out", runOutFolder_)
                      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        for (const OutputFlag& o : outputFlags)
            runOutputs_.push_back(run_->add_flag(o.flag)->disable_flag_override());

        saveDefault_ = program_.add_subcommand("save-default", "design file of the start values");
        saveDefault_->set_help_flag();
        saveDefault_->allow_extras();
        saveFile_ = saveDefault_->add_option("FILE", saveWords_.file);

        // study and size answer -h and --help among other words with CLI11's account.
        study_ = program_.add_subcommand("study", "parameter study");
        study_->set_help_flag("-h,--help");
        study_->add_option("DESIGN", studyWords_.designFile)->required();
        study_->add_option("--vary", studyWords_.varied)->required();
        study_->add_option("--csv", studyWords_.csvFile);
        study_->add_option("--svg", studyWords_.svgFile);

        size_ = program_.add_subcommand("size", "automatic sizing");
        size_->set_help_flag("-h,--help");
        size_->add_option("DESIGN", sizeWords_.designFile)->required();
        size_->add_option("--free", sizeWords_.free);
        size_->add_option("--out", sizeWords_.outFolder);
    }

    CommandLine parse(const std::vector<std::string>& args) {
        CLI::App* command = nullptr;
        try {
            command = program_.get_subcommand(args[0]);
        } catch (const CLI::OptionNotFound&) {
            return CommandLineError{"不明なコマンドです: " + args[0]};
        }
        // The words after the command's name are the command's alone: it is parsed as
        // the top of its own command line, so that a later word naming another command
        // is only a word.
        std::vector<std::string> reversed(args.rbegin(), args.rend() - 1);
        std::optional<CLI::ParseError> failure;
        std::string failedWord;  // the last word CLI11 took before it stopped
        try {
            command->parse(reversed);
        } catch (const CLI::ParseError& e) {
            failure = e;
            failedWord = args[args.size() - 1 - reversed.size()];
        }
        if (command == run_) return runWords(failure.has_value(), failedWord);
        if (command == saveDefault_) return saveDefaultWords(failure.has_value());
        if (failure)
            return CommandLineError{std::string("引数が正しくありません: ") + failure->what(),
                                    UsageShown::Study};
        if (command == study_) {
            if (studyWords_.varied.size() > 2)
                return CommandLineError{"変化させる項目は二つまでです。", UsageShown::Study};
            return studyWords_;
        }
        return sizeWords_;
    }

private:
    // The words run took as none of its options, in their order, are the design file
    // and what was mistyped; the first mistake is the one reported. CLI11 stops at a
    // flag given a value (--txt=0) and at a last --out without its folder, so the words
    // it kept all stand before that one.
    CommandLine runWords(bool failed, const std::string& failedWord) {
        for (const std::string& word : run_->remaining()) {
            if (looksLikeOption(word)) return CommandLineError{"不明なオプションです: " + word};
            if (runWords_.designFile)
                return CommandLineError{"設計条件ファイルは一つだけ指定して下さい: " + word};
            runWords_.designFile = word;
        }
        if (failed && failedWord == "--out")
            return CommandLineError{"--out の後にフォルダを指定して下さい。"};
        if (failed) return CommandLineError{"不明なオプションです: " + failedWord};
        if ((runDefault_->count() > 0) == runWords_.designFile.has_value())
            return CommandLineError{"設計条件ファイルか --default のどちらかを指定して下さい。"};
        if (runOut_->count() > 0) runWords_.outFolder = runOutFolder_;
        for (const CLI::Option* named : run_->parse_order()) {
            const auto at = std::find(runOutputs_.begin(), runOutputs_.end(), named);
            if (at == runOutputs_.end()) continue;
            const OutputKind kind = outputFlags[std::distance(runOutputs_.begin(), at)].kind;
            if (std::find(runWords_.outputs.begin(), runWords_.outputs.end(), kind) ==
                runWords_.outputs.end())
                runWords_.outputs.push_back(kind);
        }
        if (runWords_.outputs.empty())
            for (const OutputFlag& o : outputFlags) runWords_.outputs.push_back(o.kind);
        return runWords_;
    }

    CommandLine saveDefaultWords(bool failed) {
        if (failed || !saveDefault_->remaining().empty() || saveFile_->count() != 1 ||
            looksLikeOption(saveWords_.file))
            return CommandLineError{"保存するファイル名を一つ指定して下さい。"};
        return saveWords_;
    }

    CLI::App program_{"marvoten-cli", "marvoten-cli"};
    CLI::App* run_ = nullptr;
    CLI::Option* runDefault_ = nullptr;
    CLI::Option* runOut_ = nullptr;
    std::string runOutFolder_;
    std::vector<const CLI::Option*> runOutputs_;  // in the order of outputFlags
    CLI::App* saveDefault_ = nullptr;
    CLI::Option* saveFile_ = nullptr;
    CLI::App* study_ = nullptr;
    CLI::App* size_ = nullptr;
    RunWords runWords_;
    SaveDefaultWords saveWords_;
    StudyWords studyWords_;
    SizeWords sizeWords_;
};

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return CommandLineError{};
    if (asksForHelp(args[0]) || (args.size() == 2 && asksForHelp(args[1]))) return HelpWords{};
    if (args.size() == 1 && args[0] == "--version") return VersionWords{};
    return Commands().parse(args);
}

}  // namespace marvoten
