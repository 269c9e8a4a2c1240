#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vek {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileError = 1;   // the project could not be read or written
inline constexpr int kExitUsageError = 2;  // the command line is wrong

// Runs vek-cli with its arguments (without the program name); answers the exit code.
int RunVekCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vek
