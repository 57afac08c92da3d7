#include "engine/work_lists.h"

namespace trimora {

WorkRolls ToWorkRolls(const RollList& rolls) {
  WorkRolls work(rolls.size());
  for (size_t i = 1; i < rolls.size(); ++i) {
    const RollRecord& r = rolls[i];
    work[i] = {r.LENGTH, r.WIDTH, r.QTY, r.ML, r.MT, r.MR, r.MB};
  }
  return work;
}

WorkCuts ToWorkCuts(const CutList& cuts) {
  WorkCuts work(cuts.size());
  for (size_t i = 1; i < cuts.size(); ++i) {
    const CutRecord& c = cuts[i];
    work[i] = {c.LENGTH, c.WIDTH, c.QTY, c.ORN};
  }
  return work;
}

}  // namespace trimora
