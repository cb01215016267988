#pragma once
// The command line of marvoten-cli read into what it asks for: one CLI11 application
// with the commands run, save-default, study and size, and the messages for words
// that are not of a command's form.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "session/session.h"

namespace marvoten {

// "run DESIGN.dat | --default [--out DIR] [--txt] [--pdf] [--wmf] [--svg]"
struct RunWords {
    std::optional<std::string> designFile;  // none: the start values
    std::optional<std::string> outFolder;   // none: the session's work folder
    std::vector<OutputKind> outputs;        // in the order first named; all when none was
};

// "save-default FILE.dat"
struct SaveDefaultWords {
    std::string file;
};

// "study DESIGN.dat --vary FIELD=FROM:TO:STEP [--vary …] [--csv FILE] [--svg FILE]"
struct StudyWords {
    std::string designFile;
    std::vector<std::string> varied;  // one or two ranges, not yet read
    std::string csvFile;              // empty: no CSV file
    std::string svgFile;              // empty: no figure
};

// "size DESIGN.dat [--free FIELD[=FROM:TO:STEP] …] [--out DIR]"
struct SizeWords {
    std::string designFile;
    std::vector<std::string> free;  // empty: the default free fields
    std::string outFolder = ".";
};

struct HelpWords {};
struct VersionWords {};

// Which usage follows the message: the whole program's, or the study commands' alone.
enum class UsageShown { Program, Study };

// A command line that is not of its command's form. An empty message shows the
// usage alone.
struct CommandLineError {
    std::string message;
    UsageShown usage = UsageShown::Program;
};

using CommandLine = std::variant<RunWords, SaveDefaultWords, StudyWords, SizeWords, HelpWords,
                                 VersionWords, CommandLineError>;

// The program's arguments without the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace marvoten
