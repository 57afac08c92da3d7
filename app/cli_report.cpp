#include "app/cli_report.h"

#include <iostream>

#include "app/temp_workdir.h"
#include "results/report.h"

namespace trimora {

int RunReportCommand(const ResultsArgs& args) {
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  ResultsModel model;
  if (const int status = LoadResultsForCli(args, model); status != 0) return status;
  return EmitResultsText(ReportText(model), args);
}

}  // namespace trimora
