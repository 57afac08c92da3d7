#pragma once
// The optimization run: reads the job's tables from the working directory, searches the best
// plan by randomised trials and writes it to dia.tlf, reporting through a RunControl.

#include <cstdint>
#include <string>

#include "engine/run_control.h"
#include "engine/work_lists.h"

namespace trimora {

struct RunResult {
  std::string message;            // the message line's final text
  bool startCheckFailed = false;  // the run never started; dia.tlf was left as it was
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
// directory and writes dia.tlf there. The same tables always give the same dia.tlf, whatever
// the number of threads the trials run on (0: one per core).
RunResult RunOptimization(RunControl& control, int threads = 0);

// Redraws, for one trial, the length of every roll of unlimited quantity that is longer than
// the largest cut dimension m: a whole multiple k * m (k = 1 .. 4) that still fits the roll.
void RandomizeRollLengths(WorkRolls& rolls, const WorkCuts& cuts);

}  // namespace trimora
