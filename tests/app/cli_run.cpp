#include "app/cli_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace trimora::testing {

namespace {

CliRun Run(const std::string& args, const std::string& stderrRedirect) {
  CliRun run;
  const std::string command = std::string("'") + TRIMORA_CLI + "' " + args + " " + stderrRedirect;
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

}  // namespace

CliRun RunCli(const std::string& args) { return Run(args, "2>&1"); }

CliRun RunCliKeepingStderrApart(const std::string& args) {
  // Outside the current folder, which the tests count files in.
  char path[] = "/tmp/trimora-stderr-XXXXXX";
  const int fd = ::mkstemp(path);
  if (fd < 0) return {};
  ::close(fd);
  CliRun run = Run(args, std::string("2>'") + path + "'");
  std::ifstream in(path, std::ios::binary);
  run.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  std::remove(path);
  return run;
}

}  // namespace trimora::testing
