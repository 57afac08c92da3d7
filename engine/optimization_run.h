#pragma once
// The optimization of the job in the working folder, as the progress window, the command line
// and the benchmark run it: the job's tables are read, the engine runs, and its best plan is
// written to dia.tlf.

#include <cstdint>
#include <string>

#include "engine/run_control.h"
#include "engine/search_effort.h"

namespace trimora {

struct RunResult {
  std::string message;            // the message line's final text
  bool startCheckFailed = false;  // the run never started; dia.tlf was left as it was
  bool planFound = false;         // some trial met the whole demand
  bool resultsWritten = false;    // dia.tlf now holds the best plan (empty when none was found)
  std::string writeError;         // why dia.tlf could not be written
  int32_t trialsRun = 0;
  int16_t improvements = 0;
  // The best plan's totals; all 0 when no trial met the whole demand.
  float totalStockArea = 0;
  float yield = 0;  // rounded to six decimals
  int16_t layouts = 0;
};

// Runs one optimization on basic.tlf, sheet.tlf, cut.tlf and options.tlf of the working
// directory and writes dia.tlf there; then beeps and sets the final message: done, stopped,
// or, when no trial met the whole demand and the run was not stopped, that no plan was found.
// The same tables always give the same dia.tlf, whatever the number of threads (0: one per
// core).
// A longer effort than the standard first runs the standard, then searches on from its plan.
// throughCutsOnly: every layout of the plan comes apart by straight through-cuts, as a shear or
// a panel saw that cannot stop mid-sheet cuts it (EngineJob).
RunResult RunOptimization(RunControl& control, int threads = 0,
                          SearchEffort effort = SearchEffort::kStandard,
                          bool throughCutsOnly = false);

}  // namespace trimora
