#include "engine/optimization_run.h"

#include "engine/layout_results.h"

namespace trimora {

namespace {

void RecordBestTotals(const SearchOutcome& outcome, RunResult& result) {
  result.trialsRun = outcome.trialsRun;
  result.improvements = outcome.improvements;
  result.totalStockArea = TotalStockArea(outcome.best.records);
  const SolutionMeasures measures = SolutionMetrics(outcome.best.records);
  result.yield = measures.yield;
  result.layouts = measures.layouts;
}

}  // namespace

RunResult RunOptimization(RunControl& control, int threads, SearchEffort effort,
                          bool throughCutsOnly) {
  RunResult result;
  EngineJob job;
  const std::string failure = PrepareEngineJobFromTables(job);
  if (!failure.empty()) {
    control.SetMessage(failure);
    result.message = failure;
    result.startCheckFailed = true;
    return result;
  }
  job.throughCutsOnly = throughCutsOnly;
  const SearchOutcome outcome = OptimizeWithEffort(job, control, effort, threads);

  result.resultsWritten = WriteLayoutResults(outcome.best.records, &result.writeError);
  RecordBestTotals(outcome, result);
  result.planFound = !outcome.best.Empty();
  control.Beep();
  if (control.StopRequested()) {
    result.message = kMessageStopped;
  } else {
    result.message = result.planFound ? kMessageDone : kMessageNoPlan;
  }
  control.SetMessage(result.message);
  return result;
}

}  // namespace trimora
