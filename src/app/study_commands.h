#pragma once
// The command-line program's parameter study and automatic sizing.
#include <ostream>

#include "app/cli_parser.h"

namespace marvoten {

// The study of a grid of designs, and the sizing search (2 when no design passes).
int runStudyCommand(const StudyWords& words, std::ostream& out, std::ostream& err);
int runSizeCommand(const SizeWords& words, std::ostream& out, std::ostream& err);

extern const char* const studyUsage;

}  // namespace marvoten
