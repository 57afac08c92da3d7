#include "engine/optimization_run.h"

#include <cmath>

#include "engine/area_list.h"
#include "engine/area_order.h"
#include "engine/engine_inputs.h"
#include "engine/layout_results.h"
#include "engine/random.h"
#include "engine/trial_scheduler.h"

namespace trimora {

namespace {

constexpr int32_t kTrialsPerCut = 99;

// Counts and indices are 16-bit: a longer list cannot be numbered in the results.
std::string CheckListSizes(const RollList& rolls, const CutList& cuts) {
  if (RecordCount(rolls) > kMaxRecords) return "Too many SHEETS: at most 32767 are allowed.";
  if (RecordCount(cuts) > kMaxRecords) return "Too many CUT-PIECES: at most 32767 are allowed.";
  return "";
}

float LargestCutSide(const WorkCuts& cuts) {
  float m = 0;
  for (size_t i = 1; i < cuts.size(); ++i) {
    if (cuts[i].LENGTH > m) m = cuts[i].LENGTH;
    if (cuts[i].WIDTH > m) m = cuts[i].WIDTH;
  }
  return m;
}

void RecordBestTotals(const SearchOutcome& outcome, RunResult& result) {
  result.trialsRun = outcome.trialsRun;
  result.improvements = outcome.improvements;
  result.totalStockArea = TotalStockArea(outcome.best.records);
  const SolutionMeasures measures = SolutionMetrics(outcome.best.records);
  result.yield = measures.yield;
  result.layouts = measures.layouts;
}

}  // namespace

void RandomizeRollLengths(WorkRolls& rolls, const WorkCuts& cuts) {
  const float m = LargestCutSide(cuts);
  for (size_t i = 1; i < rolls.size(); ++i) {
    WorkRoll& roll = rolls[i];
    if (roll.QTY != kUnlimitedQty || !(roll.LENGTH > m)) continue;
    // k = 1 always fits, so the draws end.
    float length = 0;
    do {
      const int k = int(std::floor(NextRandom() * 4.0 + 1.0));
      length = float(k) * m;
    } while (!(length <= roll.LENGTH));
    roll.LENGTH = length;
  }
}

RunResult RunOptimization(RunControl& control, int threads) {
  RunResult result;
  BasicDetails basic;
  RollList rolls;
  CutList cuts;
  int16_t mode = 0;
  ReadEngineInputsFromTables(basic, rolls, cuts, mode);

  std::string failure = ApplyBladeReachAndCheck(basic, rolls, cuts);
  if (failure.empty()) failure = CheckListSizes(rolls, cuts);
  if (!failure.empty()) {
    control.SetMessage(failure);
    result.message = failure;
    result.startCheckFailed = true;
    return result;
  }
  AddKerf(rolls, cuts, basic.KERF);
  SortByAreaDescending(rolls, cuts);

  const int32_t trialCount = int32_t(RecordCount(cuts)) * kTrialsPerCut;
  control.ShowRunStart(trialCount, mode);
  control.SetMessage(kMessageOptimizing);
  const SearchOutcome outcome = SearchBestSolution(ToWorkRolls(rolls), ToWorkCuts(cuts),
                                                   basic.BLADE, mode, trialCount, control, threads);

  result.resultsWritten = WriteLayoutResults(outcome.best.records, &result.writeError);
  RecordBestTotals(outcome, result);
  control.Beep();
  result.message = control.StopRequested() ? kMessageStopped : kMessageDone;
  control.SetMessage(result.message);
  return result;
}

}  // namespace trimora
