#include "engine/optimize.h"

#include <algorithm>
#include <map>
#include <utility>

#include "engine/area_list.h"
#include "engine/area_order.h"
#include "engine/fit_check.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

constexpr int32_t kTrialsPerCut = 99;

// Counts and indices are 16-bit: a longer list cannot be numbered in the results.
std::string CheckListSizes(const RollList& rolls, const CutList& cuts) {
  if (RecordCount(rolls) > kMaxRecords) return "Too many SHEETS: at most 32767 are allowed.";
  if (RecordCount(cuts) > kMaxRecords) return "Too many CUT-PIECES: at most 32767 are allowed.";
  return "";
}

// One line per cut-piece that no trial could place, by its line in the Cut-Piece window and
// its size as entered, in line order.
std::string UnplaceableCutsMessage(const CutList& entered, const EngineJob& job,
                                   const CutList& ordered) {
  std::map<int, std::string> lines;
  for (const size_t c : CutsFittingNoRoll(job.rolls, job.cuts, job.bladeReach)) {
    const int row = ordered[c].row;
    const auto typed = std::find_if(entered.begin() + 1, entered.end(),
                                    [row](const CutRecord& cut) { return cut.row == row; });
    lines[row] = "Cut-piece " + std::to_string(row) + " (" + NeutralNumber(typed->LENGTH) + " x " +
                 NeutralNumber(typed->WIDTH) + ") fits on no roll.";
  }
  std::string message;
  for (const auto& [row, line] : lines) message += (message.empty() ? "" : "\n") + line;
  return message;
}

}  // namespace

std::string PrepareEngineJob(BasicDetails basic, RollList rolls, CutList cuts, int16_t mode,
                             EngineJob& job, EngineLists* lists) {
  const BasicDetails typed = basic;
  std::string failure = ApplyBladeReachAndCheck(basic, rolls, cuts);
  if (failure.empty()) failure = CheckListSizes(rolls, cuts);
  if (failure.empty()) failure = CheckSizes(typed, rolls, cuts);
  if (!failure.empty() && !lists) return failure;
  const CutList entered = failure.empty() ? cuts : CutList{};
  AddKerf(rolls, cuts, basic.KERF);
  // Lists too long for the engine are never ordered by it; ordering them would only take time.
  if (RecordCount(rolls) <= kMaxRecords && RecordCount(cuts) <= kMaxRecords) {
    SortByAreaDescending(rolls, cuts);
  }
  if (failure.empty()) {
    EngineJob prepared{ToWorkRolls(rolls), ToWorkCuts(cuts), basic.BLADE, mode};
    failure = UnplaceableCutsMessage(entered, prepared, cuts);
    if (failure.empty()) job = std::move(prepared);
  }
  if (lists) *lists = {std::move(basic), std::move(rolls), std::move(cuts)};
  return failure;
}

TableInputs ReadTableInputs() {
  TableInputs inputs;
  ReadEngineInputsFromTables(inputs.basic, inputs.rolls, inputs.cuts, inputs.mode, &inputs.notes);
  return inputs;
}

std::string PrepareEngineJob(const TableInputs& inputs, EngineJob& job, EngineLists* lists) {
  std::string failure =
      PrepareEngineJob(inputs.basic, inputs.rolls, inputs.cuts, inputs.mode, job, lists);
  // Rolls wider than the blade are dropped without a word; say where the blade is set.
  const auto widerThanBlade = [](const InputNote& note) {
    return note.text == kRollWiderThanBlade;
  };
  if (failure == kNoValidSheets &&
      std::any_of(inputs.notes.begin(), inputs.notes.end(), widerThanBlade)) {
    failure += std::string("\nEvery roll is wider than BLADE. ") + kBladeAndKerfHint;
  }
  return failure;
}

std::string PrepareEngineJobFromTables(EngineJob& job) {
  return PrepareEngineJob(ReadTableInputs(), job);
}

int32_t StandardTrialCount(const EngineJob& job) {
  return int32_t(job.cuts.size() - 1) * kTrialsPerCut;
}

SearchOutcome Optimize(const EngineJob& job, RunControl& control, int threads) {
  const int32_t trialCount = StandardTrialCount(job);
  control.ShowRunStart(trialCount, job.mode);
  control.SetMessage(kMessageOptimizing);
  return SearchBestSolution(job.rolls, job.cuts, job.bladeReach, job.mode, job.throughCutsOnly,
                            trialCount, control, threads);
}

}  // namespace trimora
