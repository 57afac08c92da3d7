#pragma once
// The engine's front door: one call runs a whole optimization on a job already read and
// checked and returns the best plan. Progress, pending events and the stop request go through
// a RunControl; nothing is read from or written to a file.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine_inputs.h"
#include "engine/run_control.h"
#include "engine/trial_scheduler.h"
#include "engine/work_lists.h"

namespace trimora {

// A job as the engine takes it: both lists with the kerf added and in the engine's order.
struct EngineJob {
  WorkRolls rolls;
  WorkCuts cuts;
  float bladeReach = 0;  // BLADE + KERF
  int16_t mode = 0;      // 1 "Maximum Yield", 2 "Minimum Layouts", 0 neither
  // Only layouts that straight through-cuts can take apart, as on a shear or a panel saw that
  // cannot stop mid-sheet (cut_sequence.h).
  bool throughCutsOnly = false;
};

// The lists as the engine takes them: BLADE holds the blade reach, every size its kerf, and both
// lists are in the engine's order (unless too long for the engine, which never orders them).
struct EngineLists {
  BasicDetails basic;
  RollList rolls;
  CutList cuts;
};

// Makes the engine's job of what ReadEngineInputs read: the blade reach, the start checks in
// their order, the kerf and the order of both lists. Returns the message of the first check
// that fails, or "" when the run may start. lists, when given, gets the lists as the engine
// takes them, also when a check fails.
std::string PrepareEngineJob(BasicDetails basic, RollList rolls, CutList cuts, int16_t mode,
                             EngineJob& job, EngineLists* lists = nullptr);

// The job tables of the working directory as ReadEngineInputsFromTables reads them, with the
// notes on the rows it dropped or changed.
struct TableInputs {
  BasicDetails basic;
  RollList rolls;
  CutList cuts;
  int16_t mode = 0;
  std::vector<InputNote> notes;
};
TableInputs ReadTableInputs();

// PrepareEngineJob for inputs read from the tables; where every roll was dropped for being
// wider than BLADE, the message also says where BLADE is set.
std::string PrepareEngineJob(const TableInputs& inputs, EngineJob& job,
                             EngineLists* lists = nullptr);

// Both of the above for the job tables of the working directory.
std::string PrepareEngineJobFromTables(EngineJob& job);

// The standard run's number of trials: (number of cuts) x 99.
int32_t StandardTrialCount(const EngineJob& job);

// Runs trials 1 .. StandardTrialCount and returns the best complete plan under the goal.
// threads is the number of threads to use in all; 0 means one per core. The plan is the same
// for any number of threads.
SearchOutcome Optimize(const EngineJob& job, RunControl& control, int threads = 0);

}  // namespace trimora
