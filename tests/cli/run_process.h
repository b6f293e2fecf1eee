#pragma once
// Runs a program with the given standard input and collects what it writes.

#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `environment` entries ("NAME=value") are added to a cleared VELLUMARK_CODE.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input,
                         const std::vector<std::string>& environment = {});
