#pragma once
// Runs trimora-cli as a user runs it, from the current folder.

#include <string>

namespace trimora::testing {

struct CliRun {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;  // stdout and stderr together
};

// args are passed to the shell as written (quote paths with spaces).
CliRun RunCli(const std::string& args);

}  // namespace trimora::testing
