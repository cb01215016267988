#include <windows.h>
// shellapi.h builds on the types of windows.h.
#include <shellapi.h>

#include "platform/program_arguments.h"
#include "platform/windows_text.h"

namespace marvoten {

// The narrow argv is ignored: the wide command line is the one that holds every name.
std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(windows::utf8FromWide(wide[i]));
    ::LocalFree(wide);
    return args;
}

void useUtf8Console() {
    ::SetConsoleOutputCP(CP_UTF8);
}

}  // namespace marvoten
