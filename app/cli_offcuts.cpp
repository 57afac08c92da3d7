#include "app/cli_offcuts.h"

#include "results/offcuts.h"

namespace trimora {

int RunOffcutsCommand(const ResultsArgs& args) {
  return WithResultsModel(args, [&](ResultsModel& model) {
    const auto rows = DeriveOffcuts(model.records, model.basic.KERF, ReadScrapLimits());
    return EmitResultsText(OffcutText(rows), args);
  });
}

}  // namespace trimora
