#pragma once
// Runs trimora-cli as a user runs it, from the current folder.

#include <string>

namespace trimora::testing {

struct CliRun {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;  // stdout, and stderr too unless kept apart
  std::string err;  // stderr when kept apart
};

// args are passed to the shell as written (quote paths with spaces).
CliRun RunCli(const std::string& args);

// The same with stderr kept apart, for commands whose libraries may note things there.
CliRun RunCliKeepingStderrApart(const std::string& args);

}  // namespace trimora::testing
