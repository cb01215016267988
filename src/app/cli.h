#pragma once
// The command-line program: runs the calculation of a design file (or of the
// start values) and writes the chosen outputs, without a window.
#include <ostream>
#include <string>
#include <vector>

namespace marvoten {

// Exit status: 0 the book was computed and written (a verdict "不可" or "NO" is a
// result, not an error); 2 validation refused the run; 1 any other error.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace marvoten
