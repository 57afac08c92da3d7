#pragma once
// The invariants every layout of a plan must keep however it was grown, for the tests.

#include <cstddef>
#include <string>

#include "engine/area_list.h"
#include "engine/clearance.h"
#include "engine/work_lists.h"

namespace trimora::testing {

inline bool InsideUsableArea(const AreaRecord& a, const WorkRoll& roll) {
  return a.XS >= roll.ML && a.YS >= roll.MT && a.XE <= roll.WIDTH - roll.MR &&
         a.YE <= roll.LENGTH - roll.MB;
}

inline bool Overlap(const AreaRecord& a, const AreaRecord& b) {
  return RectsOverlap(a.XS, a.YS, a.XE, a.YE, b.XS, b.YS, b.XE, b.YE);
}

// "" when every placed piece lies inside its roll's usable area (the roll less its margins)
// and no two placed pieces of the same layout overlap; otherwise what is wrong with the first
// offending record, by index.
inline std::string CheckLayout(const AreaList& areas, const WorkRolls& rolls) {
  for (size_t k = 1; k < areas.size(); ++k) {
    const AreaRecord& a = areas[k];
    if (a.TYPE <= 0) continue;
    const std::string piece = "piece " + std::to_string(k);
    if (a.roll < 1 || size_t(a.roll) >= rolls.size()) return piece + " has no roll";
    if (!InsideUsableArea(a, rolls[size_t(a.roll)])) return piece + " leaves the usable area";
    for (size_t m = 1; m < k; ++m) {
      const AreaRecord& b = areas[m];
      if (b.TYPE > 0 && b.layout == a.layout && Overlap(a, b)) {
        return piece + " overlaps piece " + std::to_string(m);
      }
    }
  }
  return "";
}

}  // namespace trimora::testing
