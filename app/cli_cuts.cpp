#include "app/cli_cuts.h"

#include <algorithm>
#include <iostream>

#include "app/cli_job.h"
#include "engine/cut_sequence.h"

namespace trimora {

int RunCutsCommand(const ResultsArgs& args) {
  return WithResultsModel(args, [&](ResultsModel& model) {
    if (!IsLayoutOfPlan(args.layout, model.layouts)) return 1;
    auto sequences = DeriveCutSequences(model.records);
    if (args.layout != 0) {
      std::erase_if(sequences, [&](const auto& s) { return s.first != args.layout; });
    }
    bool allSeparable = true;
    for (const auto& [layout, sequence] : sequences) {
      if (sequence.separable) continue;
      allSeparable = false;
      std::cerr << "Layout " << layout << " cannot be separated by straight through-cuts.\n";
    }
    const int status = args.csv.empty()
                           ? EmitResultsText(CutSequenceText(sequences, args.layout == 0), args)
                           : EmitText(CutSequenceCsv(sequences), args.csv, args.csvPath);
    if (status != 0) return status;
    return allSeparable ? 0 : 4;
  });
}

}  // namespace trimora
