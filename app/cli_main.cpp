// trimora-cli: the job-file tools of Trimora on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "app/cli_check.h"

namespace {

constexpr const char* kUsage =
    "usage: trimora-cli check JOB.trm\n"
    "\n"
    "  check JOB.trm   list the stock sizes and cut-pieces the engine will use and\n"
    "                  say whether an optimization can start\n";

int Usage() {
  std::cerr << kUsage;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (args.size() == 2 && args[0] == "check") return trimora::RunCheckCommand(args[1]);
  return Usage();
}
