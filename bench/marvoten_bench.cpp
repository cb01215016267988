// The main job's timing: the command-line run of the start values with every
// output (text, PDF book, figure metafiles and SVG files) into a scratch folder,
// fifty times; prints the median and the spread. Not a test.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <vector>

#include "app/cli.h"

namespace {

constexpr int kRuns = 50;

double runOnceMilliseconds(const std::filesystem::path& folder) {
    std::ostringstream out, err;
    const auto start = std::chrono::steady_clock::now();
    const int status = marvoten::runCli({"run", "--default", "--out", folder.string()}, out, err);
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) {
        std::cerr << err.str();
        std::exit(status);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("marvoten-bench-" + std::to_string(::getpid()));
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) times.push_back(runOnceMilliseconds(folder));
    fs::remove_all(folder);

    std::sort(times.begin(), times.end());
    const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
    std::cout << "start values, every output, " << kRuns << " runs: median " << median
              << " ms (fastest " << times.front() << " ms, slowest " << times.back() << " ms)\n";
    return 0;
}
