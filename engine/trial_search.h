#pragma once
// The trials of a run: each trial builds a complete plan layout by layout, growing a
// candidate for every available roll under eight variants and keeping the best; complete
// plans are compared with the best so far under the run's goal.

#include <cstdint>

#include "engine/layout_metrics.h"
#include "engine/run_control.h"
#include "engine/work_lists.h"

namespace trimora {

struct SearchOutcome {
  Solution best;  // empty when no trial met the whole demand
  int16_t improvements = 0;
  int32_t trialsRun = 0;
};

// Runs trials 1 .. trialCount on the ordered, kerf-included lists (trials stop early after a
// stop request). bladeReach is BLADE + KERF; mode is the run's goal.
SearchOutcome SearchBestSolution(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                                 int16_t mode, int32_t trialCount, RunControl& control);

}  // namespace trimora
