// The main job's timing: the command-line program run on the start values into a
// scratch folder, fifty times with every output (text, PDF book, figure metafiles
// and SVG files) and fifty times with the text output alone, each a whole process
// from start to exit; prints each median with its spread and their ratio. The aim
// is every output within three times the text alone. Not a test.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 50;

double runOnceMilliseconds(std::vector<std::string> args) {
    std::vector<char*> argv{const_cast<char*>(MARVOTEN_CLI)};
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    int status = -1;
    if (posix_spawn(&child, MARVOTEN_CLI, &quiet, nullptr, argv.data(), environ) == 0)
        ::waitpid(child, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&quiet);
    if (status != 0) {
        std::cerr << MARVOTEN_CLI << " failed\n";
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// The median of kRuns runs, after printing it with the fastest and slowest.
double report(const char* what, const std::vector<std::string>& args) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) times.push_back(runOnceMilliseconds(args));
    std::sort(times.begin(), times.end());
    const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
    std::cout << "start values, " << what << ", " << kRuns << " runs: median " << median
              << " ms (fastest " << times.front() << " ms, slowest " << times.back() << " ms)\n";
    return median;
}

}  // namespace

int main() {
    const fs::path folder =
        fs::temp_directory_path() / ("marvoten-bench-" + std::to_string(::getpid()));
    const std::vector<std::string> run{"run", "--default", "--out", folder.string()};
    std::vector<std::string> textOnly = run;
    textOnly.push_back("--txt");
    const double text = report("text output alone", textOnly);
    const double every = report("every output", run);
    fs::remove_all(folder);
    std::cout << "every output / text alone: " << every / text << " (aim: at most 3)\n";
    return 0;
}
