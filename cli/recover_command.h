#pragma once
// vellumark-cli recover: finds the lost code number of a cipher text.

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vellumark {

struct RecoverOptions {
    std::size_t top = 5;
    std::string known;  // UTF-8, as typed
};

// When arguments[i] is --top or --known (also in the --name=value form), takes it and its
// value, moving `i` past them, and returns "" or what is wrong with them; otherwise nullopt.
std::optional<std::string> ParseRecoverOption(const std::vector<std::string>& arguments,
                                              std::size_t& i, RecoverOptions& options);

// Searches the code numbers of `cipher`, the symbols of a cipher text as ReadInput gives them
// (Windows-1252, white space dropped), and prints the candidates. Returns the exit code.
int RunRecover(const RecoverOptions& options, const std::string& cipher, std::ostream& out,
               std::ostream& err);

}  // namespace vellumark
