#pragma once
// The command-line program's parameter study and automatic sizing.
#include <ostream>
#include <string>
#include <vector>

namespace marvoten {

// "study DESIGN.dat --vary FIELD=FROM:TO:STEP [--vary …] [--csv FILE] [--svg FILE]"
int runStudyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "size DESIGN.dat [--free FIELD[=FROM:TO:STEP] …] [--out DIR]"; 2 when no design passes.
int runSizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const studyUsage;

}  // namespace marvoten
