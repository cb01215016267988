#pragma once
// Folder permissions as an ordinary user sees them: root ignores them, so a test
// running as root does the work in a child process that has dropped to "nobody".
#include <functional>

namespace marvoten::testing {

// A Windows process cannot become another user as a forked child does, and a
// Windows folder refuses writers through its access list, which wine does not
// enforce: the unwritable-folder tests have no counterpart under wine.
inline constexpr const char* kNoUnwritableFolderOnWindows =
    "no folder can be made unwritable for this process under wine";

}  // namespace marvoten::testing

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

namespace marvoten::testing {

// Exit status of a child that could not drop root.
inline constexpr int kCouldNotDropRoot = 99;

// Runs `body` in a child process as an ordinary user and returns the child's exit
// status (body's return value), or -1 when the child did not exit normally.
inline int exitStatusAsOrdinaryUser(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(kCouldNotDropRoot);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace marvoten::testing
#endif
