// The genhand command-line tool, as a function of its arguments.
#pragma once

#include <string>
#include <vector>

namespace genhand::cli {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;

// Runs genhand with `args` (without the program name). Everything the tool
// prints goes to `out` (raw bytes for stdout) and `err` (stderr). Returns the
// exit status.
int Run(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace genhand::cli
