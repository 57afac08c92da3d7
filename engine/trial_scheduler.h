#pragma once
// The trials of a run, spread over the machine's cores. Each trial depends only on its number
// and on the best plan's stock area it is measured against, so trials run ahead on worker
// threads and are committed strictly in trial order: the result is exactly that of running
// the trials one after another on one core.

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

// Runs trials 1 .. trialCount on the ordered, kerf-included lists and keeps the best complete
// plan under the goal (mode), of layouts straight through-cuts can take apart when
// throughCutsOnly (TrialRunner). Progress, the best totals and the stop request go through
// control, from the calling thread only. threads is the number of threads to use in all; 0
// means one per core.
SearchOutcome SearchBestSolution(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                                 int16_t mode, bool throughCutsOnly, int32_t trialCount,
                                 RunControl& control, int threads = 0);

// Trials first .. last of a run of count trials (the count decides how a trial varies its
// first block), measured against start as the best plan so far. The standard run is
// 1 .. count from an empty plan; a longer search continues with trials past it.
struct TrialRange {
  int32_t first = 1;
  int32_t last = 0;
  int32_t count = 0;
};
SearchOutcome SearchBestSolution(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                                 int16_t mode, bool throughCutsOnly, TrialRange trials,
                                 const Solution& start, RunControl& control, int threads = 0);

}  // namespace trimora
