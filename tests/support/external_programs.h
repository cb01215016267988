#pragma once
// Running the real readers the tests hand their files to (qpdf, the poppler tools,
// libwmf, libxml2, librsvg): whether one is installed, its exit status and its report.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A test that hands its files to a reader stops where the reader cannot start. The
// readers are this Linux machine's programs, which a Windows test binary under wine
// cannot run; there the test is skipped. The Windows build's files are the Linux
// build's byte for byte (make windows-test compares the command-line program's), and
// the Linux suite reads those.
#ifdef _WIN32
namespace marvoten::testing {
inline constexpr bool kReadersCanRun = false;
}  // namespace marvoten::testing
#define MARVOTEN_ASSERT_INSTALLED(program) \
    GTEST_SKIP() << "reads its files with " << (program) << ", a program of the Linux machine"
#else
namespace marvoten::testing {
inline constexpr bool kReadersCanRun = true;
}  // namespace marvoten::testing
#define MARVOTEN_ASSERT_INSTALLED(program) ASSERT_TRUE(::marvoten::testing::installed(program))
#endif

namespace marvoten::testing {

// A test that needs a reader fails where it is missing, naming the Debian package
// to install (scripts/install-deps.sh installs them all): a check that did not run
// must not pass.
inline ::testing::AssertionResult installed(const std::string& program) {
    if (std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0)
        return ::testing::AssertionSuccess();
    struct Reader {
        const char* program;
        const char* package;
    };
    static const Reader readers[] = {
        {"qpdf", "qpdf"},
        {"pdfinfo", "poppler-utils"},
        {"pdffonts", "poppler-utils"},
        {"pdftotext", "poppler-utils"},
        {"pdftoppm", "poppler-utils"},
        {"wmf2svg", "libwmf-bin"},
        {"xmllint", "libxml2-utils"},
        {"rsvg-convert", "librsvg2-bin"},
    };
    std::string package = "?";
    for (const Reader& r : readers)
        if (program == r.program) package = r.package;
    return ::testing::AssertionFailure()
           << program << " is not installed (Debian package " << package << ")";
}

inline std::string shellQuoted(const std::filesystem::path& p) {
    std::string out = "'";
    for (char c : p.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The command's exit status (output discarded); -1 when it did not exit.
inline int runQuietly(const std::string& command) {
    const int rc = std::system((command + " >/dev/null 2>&1").c_str());
#ifdef _WIN32
    return rc;  // the command's exit code itself
#else
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
#endif
}

struct ProgramRun {
    int status = -1;     // as pclose gives it
    std::string output;  // standard output and standard error together
};

inline ProgramRun runProgram(const std::string& command) {
    ProgramRun r;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        r.output.append(buffer, n);
    r.status = ::pclose(pipe);
    return r;
}

// The value of a "Name:   value" line of a program's report, blanks trimmed.
inline std::string reportField(const std::string& output, const std::string& name) {
    std::size_t at = output.rfind(name + ":", 0) == 0 ? 0 : output.find("\n" + name + ":");
    if (at == std::string::npos) return "<no " + name + ">";
    if (at != 0) ++at;
    const std::size_t start = output.find_first_not_of(' ', at + name.size() + 1);
    return output.substr(start, output.find('\n', start) - start);
}

}  // namespace marvoten::testing
