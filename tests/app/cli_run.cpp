#include "app/cli_run.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace trimora::testing {

CliRun RunCli(const std::string& args) {
  CliRun run;
  const std::string command = std::string("'") + TRIMORA_CLI + "' " + args + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    run.out.append(buffer.data(), n);
  }
  const int wait = ::pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  return run;
}

}  // namespace trimora::testing
