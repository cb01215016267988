#include <iostream>

#include "cli.h"
#include "platform/program_arguments.h"

int main(int argc, char** argv) {
    marvoten::useUtf8Console();
    const std::vector<std::string> args = marvoten::programArguments(argc, argv);
    int status = 1;
    try {
        status = marvoten::runCli(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    // Messages that could not be written are an error of the run.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "標準出力に書き込めません。\n";
        return 1;
    }
    return status;
}
