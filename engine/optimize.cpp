#include "engine/optimize.h"

#include <utility>

#include "engine/area_list.h"
#include "engine/area_order.h"

namespace trimora {

namespace {

constexpr int32_t kTrialsPerCut = 99;

// Counts and indices are 16-bit: a longer list cannot be numbered in the results.
std::string CheckListSizes(const RollList& rolls, const CutList& cuts) {
  if (RecordCount(rolls) > kMaxRecords) return "Too many SHEETS: at most 32767 are allowed.";
  if (RecordCount(cuts) > kMaxRecords) return "Too many CUT-PIECES: at most 32767 are allowed.";
  return "";
}

}  // namespace

std::string PrepareEngineJob(BasicDetails basic, RollList rolls, CutList cuts, int16_t mode,
                             EngineJob& job) {
  std::string failure = ApplyBladeReachAndCheck(basic, rolls, cuts);
  if (failure.empty()) failure = CheckListSizes(rolls, cuts);
  if (!failure.empty()) return failure;
  AddKerf(rolls, cuts, basic.KERF);
  SortByAreaDescending(rolls, cuts);
  job = EngineJob{ToWorkRolls(rolls), ToWorkCuts(cuts), basic.BLADE, mode};
  return "";
}

std::string PrepareEngineJobFromTables(EngineJob& job) {
  BasicDetails basic;
  RollList rolls;
  CutList cuts;
  int16_t mode = 0;
  ReadEngineInputsFromTables(basic, rolls, cuts, mode);
  return PrepareEngineJob(std::move(basic), std::move(rolls), std::move(cuts), mode, job);
}

SearchOutcome Optimize(const EngineJob& job, RunControl& control, int threads) {
  const int32_t trialCount = int32_t(job.cuts.size() - 1) * kTrialsPerCut;
  control.ShowRunStart(trialCount, job.mode);
  control.SetMessage(kMessageOptimizing);
  return SearchBestSolution(job.rolls, job.cuts, job.bladeReach, job.mode, trialCount, control,
                            threads);
}

}  // namespace trimora
