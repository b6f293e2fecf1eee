#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "cli/cli.h"
#include "cli/standard_streams.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // A look-ahead, not a parse: a "--bytes" that is really the value of --code is an invalid
    // code number, and the program stops before any text flows.
    const bool bytes = std::find(arguments.begin(), arguments.end(), "--bytes") != arguments.end();
    vellumark::SetUpStandardStreams(!bytes);
    return vellumark::RunCli(arguments, std::getenv("VELLUMARK_CODE"), std::cin, std::cout,
                             std::cerr);
}
