#pragma once
// vellumark-cli: the cipher for scripts and pipes. Reads the text from standard input and
// writes the result to standard output.

#include <iosfwd>
#include <string>
#include <vector>

namespace vellumark {

enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// The end of every usage message.
inline constexpr const char* kUsageHint = "Try 'vellumark-cli --help'.";

// Runs the command line `arguments` (without the program name). `environmentCode` is the
// value of VELLUMARK_CODE, or null. Returns the exit code.
int RunCli(const std::vector<std::string>& arguments, const char* environmentCode, std::istream& in,
           std::ostream& out, std::ostream& err);

}  // namespace vellumark
