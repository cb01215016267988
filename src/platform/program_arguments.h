#pragma once
// The command line and the console in the program's UTF-8. Windows hands main()
// its arguments in the ANSI code page, where a Japanese file name may not survive,
// and shows console output in the console's code page.
#include <string>
#include <vector>

namespace marvoten {

// The arguments after the program's name, as UTF-8.
std::vector<std::string> programArguments(int argc, char** argv);

// The console shows the UTF-8 the program writes.
void useUtf8Console();

}  // namespace marvoten
