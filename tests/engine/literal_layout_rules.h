#pragma once
// Word-for-word versions of the clearance and snapping rules, rescanning the whole area list
// at every step. The engine walks the list once per call; these are the oracles it must match.

#include <cstddef>
#include <cstdint>

#include "engine/area_list.h"
#include "engine/clearance.h"
#include "engine/cut_extents.h"
#include "engine/snapping.h"
#include "engine/work_lists.h"

namespace trimora::testing {

inline void LiteralClearBlock(bool rowFirst, int16_t& nx, int16_t& ny, int16_t orientation,
                              int16_t cutIndex, int16_t areaIndex, const AreaList& areas,
                              const WorkCuts& cuts) {
  const CutExtents e = ExtentsOf(cuts[size_t(cutIndex)], orientation);
  const AreaRecord& r = areas[size_t(areaIndex)];
  const auto overlapsSome = [&](int16_t n, int16_t m) {
    const float xe = r.XS + float(n) * e.dx;
    const float ye = r.YS + float(m) * e.dy;
    for (size_t k = 1; k < areas.size(); ++k) {
      const AreaRecord& a = areas[k];
      if (a.TYPE > 0 && a.layout == areas.back().layout &&
          RectsOverlap(r.XS, r.YS, xe, ye, a.XS, a.YS, a.XE, a.YE)) {
        return true;
      }
    }
    return false;
  };
  int16_t& first = rowFirst ? nx : ny;
  int16_t& second = rowFirst ? ny : nx;
  for (;;) {
    if (rowFirst ? overlapsSome(nx, 1) : overlapsSome(1, ny)) {
      if (--first == 0) return;
    }
    if (overlapsSome(nx, ny)) {
      if (--second == 0) return;
    }
    if (!overlapsSome(nx, ny)) return;
  }
}

inline void LiteralSnapAlong(bool alongX, AreaList& areas, int16_t areaIndex) {
  AreaRecord& r = areas[size_t(areaIndex)];
  float gap = 1E+20f;
  for (size_t k = 1; k < areas.size(); ++k) {
    const AreaRecord& a = areas[k];
    if (!(a.TYPE > 0 || a.TYPE == kMarginStrip) || k == size_t(areaIndex)) continue;
    if (alongX && a.XE <= r.XS && SpansTouch(r.YS, r.YE, a.YS, a.YE) && r.XS - a.XE < gap) {
      gap = r.XS - a.XE;
    }
    if (!alongX && a.YE <= r.YS && SpansTouch(r.XS, r.XE, a.XS, a.XE) && r.YS - a.YE < gap) {
      gap = r.YS - a.YE;
    }
  }
  if (gap == 1E+20f) return;
  if (alongX) {
    r.XS = r.XS - gap;
  } else {
    r.YS = r.YS - gap;
  }
}

inline void LiteralSnapFreeArea(AreaList& areas, int16_t areaIndex, SnapOrder order) {
  const bool xFirst = order == SnapOrder::kXThenY;
  LiteralSnapAlong(xFirst, areas, areaIndex);
  LiteralSnapAlong(!xFirst, areas, areaIndex);
}

}  // namespace trimora::testing
