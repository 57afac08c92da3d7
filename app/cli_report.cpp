#include "app/cli_report.h"

#include "results/report.h"

namespace trimora {

int RunReportCommand(const ResultsArgs& args) {
  return WithResultsModel(
      args, [&](ResultsModel& model) { return EmitResultsText(ReportText(model), args); });
}

}  // namespace trimora
