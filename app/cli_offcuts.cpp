#include "app/cli_offcuts.h"

#include <iostream>

#include "app/temp_workdir.h"
#include "results/offcuts.h"

namespace trimora {

int RunOffcutsCommand(const ResultsArgs& args) {
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  ResultsModel model;
  if (const int status = LoadResultsForCli(args, model); status != 0) return status;
  const auto rows = DeriveOffcuts(model.records, model.basic.KERF, ReadScrapLimits());
  return EmitResultsText(OffcutText(rows), args);
}

}  // namespace trimora
