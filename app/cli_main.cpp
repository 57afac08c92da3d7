// trimora-cli: the job-file tools of Trimora on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "app/cli_check.h"
#include "app/cli_optimize.h"

namespace {

constexpr const char* kUsage =
    "usage: trimora-cli check JOB.trm\n"
    "       trimora-cli optimize IN.trm [-o OUT.trm]\n"
    "\n"
    "  check JOB.trm      list the stock sizes and cut-pieces the engine will use and\n"
    "                     say whether an optimization can start\n"
    "  optimize IN.trm    find the best cutting plan and write the job with its layout\n"
    "                     results to OUT.trm (or back to IN.trm); Ctrl+C stops early\n"
    "                     and keeps the best plan found so far\n";

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
  if (!args.empty() && args[0] == "optimize") {
    if (args.size() == 2) return trimora::RunOptimizeCommand(args[1], "");
    if (args.size() == 4 && args[2] == "-o") return trimora::RunOptimizeCommand(args[1], args[3]);
    if (args.size() == 4 && args[1] == "-o") return trimora::RunOptimizeCommand(args[3], args[2]);
  }
  return Usage();
}
