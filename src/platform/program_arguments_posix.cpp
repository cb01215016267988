#include "platform/program_arguments.h"

namespace marvoten {

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void useUtf8Console() {}

}  // namespace marvoten
