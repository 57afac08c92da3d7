#pragma once
// One trial of a run: it builds a complete plan layout by layout, growing a candidate for
// every available roll under eight variants and keeping the best, until the demand is met,
// the stock runs out, or the plan has used more stock than the best plan so far.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/layout_metrics.h"
#include "engine/random.h"
#include "engine/run_control.h"
#include "engine/work_lists.h"

namespace trimora {

enum class TrialEnd { kComplete, kIncomplete, kAbandoned };

struct TrialOutcome {
  TrialEnd end = TrialEnd::kIncomplete;
  Solution solution;
  // After each accepted layout, the least stock area the plan will end with (FinalStockBound),
  // so that whether the trial would have been abandoned against another best plan can be told
  // without running it again.
  std::vector<double> leastFinalStock;
};

// Runs trials on the ordered, kerf-included lists, reusing its working memory from trial to
// trial. bladeReach is BLADE + KERF. throughCutsOnly: a layout that straight through-cuts
// cannot take apart is never chosen, so a step whose candidates are all such ends the trial.
class TrialRunner {
 public:
  TrialRunner(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach, int32_t trialCount,
              bool throughCutsOnly);
  ~TrialRunner();
  TrialRunner(const TrialRunner&) = delete;
  TrialRunner& operator=(const TrialRunner&) = delete;

  // Runs one trial, abandoning it once its stock area exceeds abandonLimit. events is told
  // once per layout step.
  void Run(int32_t trial, float abandonLimit, RunControl& events, TrialOutcome& outcome);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Redraws, for one trial, the length of every roll of unlimited quantity that is longer than
// the largest cut dimension m: a whole multiple k * m (k = 1 .. 4) that still fits the roll.
void RandomizeRollLengths(WorkRolls& rolls, const WorkCuts& cuts, TrialRandom& random);

// Every length RandomizeRollLengths may give the roll.
std::vector<float> PossibleRollLengths(const WorkRoll& roll, const WorkCuts& cuts);

}  // namespace trimora
