#include "engine/fit_check.h"

#include "engine/free_area_attempts.h"
#include "engine/layout_bookkeeping.h"
#include "engine/trial.h"
#include "engine/variants.h"

namespace trimora {

namespace {

constexpr size_t kUsableArea = 6;  // the free area a layout starts with

// What ORN allows, compared exactly as placing a block compares it.
bool Allows(float orn, Orientation o) { return orn == 0 || orn == float(o); }

bool FitsSomewhere(const WorkRolls& rolls, const WorkCuts& cuts, size_t c, float bladeReach) {
  AreaList areas;
  for (size_t r = 1; r < rolls.size(); ++r) {
    WorkRolls trialRolls = rolls;
    for (const float length : PossibleRollLengths(rolls[r], cuts)) {
      trialRolls[r].LENGTH = length;
      BuildRollAreaList(trialRolls, int16_t(r), areas);
      const AreaRecord& usable = areas[kUsableArea];
      for (const Variant& variant : kVariants) {
        if (VariantSkipped(usable, variant, bladeReach)) continue;
        for (const Orientation o : {kLengthwise, kCrosswise}) {
          if (Allows(cuts[c].ORN, o) &&
              SizeBlock(cuts[c], o, usable, bladeReach, variant.growth).Fits()) {
            return true;
          }
        }
      }
    }
  }
  return false;
}

}  // namespace

std::vector<size_t> CutsFittingNoRoll(const WorkRolls& rolls, const WorkCuts& cuts,
                                      float bladeReach) {
  std::vector<size_t> unplaceable;
  for (size_t c = 1; c < cuts.size(); ++c) {
    if (!FitsSomewhere(rolls, cuts, c, bladeReach)) unplaceable.push_back(c);
  }
  return unplaceable;
}

}  // namespace trimora
