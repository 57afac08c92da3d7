// trimora-cli: the job-file tools of Trimora on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "app/cli_check.h"
#include "app/cli_draw.h"
#include "app/cli_labels.h"
#include "app/cli_offcuts.h"
#include "app/cli_optimize.h"
#include "app/cli_report.h"

namespace {

constexpr const char* kUsage =
    "usage: trimora-cli check JOB.trm\n"
    "       trimora-cli optimize IN.trm [-o OUT.trm]\n"
    "       trimora-cli report JOB.trm [-o FILE]\n"
    "       trimora-cli offcuts JOB.trm [-o FILE]\n"
    "       trimora-cli labels JOB.trm [--layout N] [--def lbl.def] [-o FILE | --pdf FILE]\n"
    "       trimora-cli draw JOB.trm (--pdf FILE | --svg DIR | --png DIR) [--layout N]\n"
    "                        [--settings dia.set]\n"
    "\n"
    "  check JOB.trm      list the stock sizes and cut-pieces the engine will use and\n"
    "                     say whether an optimization can start\n"
    "  optimize IN.trm    find the best cutting plan and write the job with its layout\n"
    "                     results to OUT.trm (or back to IN.trm); Ctrl+C stops early\n"
    "                     and keeps the best plan found so far\n"
    "  report JOB.trm     the report of an optimized job: stock used, pieces produced\n"
    "                     and a section per layout (report.tlf)\n"
    "  offcuts JOB.trm    the off-cuts the plan leaves (offcut.tlf), scrap marked by\n"
    "                     scrap.dat beside the job\n"
    "  labels JOB.trm     the label sheet (lbl.tlf) of one layout or all, arranged as\n"
    "                     lbl.def beside the job (or --def FILE) says; --pdf gives the\n"
    "                     pages Print Labels prints, on A4\n"
    "  draw JOB.trm       the layouts drawn to scale: the printed pages as one PDF, or\n"
    "                     one picture per layout as the screen shows it; what is shown\n"
    "                     follows dia.set beside the job (or --settings FILE)\n";

int Usage() {
  std::cerr << kUsage;
  return 1;
}

int RunCommand(const std::vector<std::string>& args) {
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
  if (!args.empty() && (args[0] == "report" || args[0] == "offcuts" || args[0] == "labels")) {
    const auto parsed = trimora::ParseResultsArgs(args, args[0] == "labels");
    if (!parsed) return Usage();
    if (args[0] == "report") return trimora::RunReportCommand(*parsed);
    if (args[0] == "offcuts") return trimora::RunOffcutsCommand(*parsed);
    return trimora::RunLabelsCommand(*parsed);
  }
  if (!args.empty() && args[0] == "draw") {
    trimora::DrawRequest request;
    if (!trimora::ParseDrawArguments({args.begin() + 1, args.end()}, request)) return Usage();
    return trimora::RunDrawCommand(request);
  }
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  const int status = RunCommand({argv + 1, argv + argc});
  // Output that never arrived is a failure, whatever the command made of it.
  if (!std::cout.flush()) {
    std::cerr << "trimora-cli: standard output: cannot be written\n";
    return 1;
  }
  return status;
}
