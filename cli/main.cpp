#include <cstdlib>
#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return vellumark::RunCli(arguments, std::getenv("VELLUMARK_CODE"), std::cin, std::cout,
                             std::cerr);
}
