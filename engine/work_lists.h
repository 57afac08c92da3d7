#pragma once
// The numbers of the roll and cut lists that a run works on, without their texts, so that the
// many per-candidate copies are plain memory copies. Index i here is index i of the roll list
// and cut list of engine_inputs.h; element 0 is scratch.

#include <vector>

#include "engine/engine_inputs.h"

namespace trimora {

struct WorkRoll {
  float LENGTH = 0;
  float WIDTH = 0;
  float QTY = 0;
  float ML = 0;
  float MT = 0;
  float MR = 0;
  float MB = 0;
};

struct WorkCut {
  float LENGTH = 0;
  float WIDTH = 0;
  float QTY = 0;
  float ORN = 0;
};

using WorkRolls = std::vector<WorkRoll>;
using WorkCuts = std::vector<WorkCut>;

WorkRolls ToWorkRolls(const RollList& rolls);
WorkCuts ToWorkCuts(const CutList& cuts);

}  // namespace trimora
