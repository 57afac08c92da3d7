#include "engine/snapping.h"

#include <cstddef>

namespace trimora {

bool SpansTouch(float a1, float a2, float b1, float b2) {
  return (a1 <= b1 && b1 <= a2) || (a1 <= b2 && b2 <= a2) || (b1 <= a1 && a1 <= b2) ||
         (b1 <= a2 && a2 <= b2);
}

namespace {

// A gap still equal to this means no obstacle was found on that side.
constexpr float kNoGap = 1E+20f;

struct SnapGaps {
  float x = kNoGap;  // distance to the nearest obstacle left of the area
  float y = kNoGap;  // distance to the nearest obstacle above the area
};

// The number of leading records the run starts every roll's list with: the outline and the
// four margin strips, then the first free area.
constexpr size_t kRollRecords = 6;

// Both gaps of the area (xs, ys, xe, ye) in one walk over the list. Each is the minimum over
// its own obstacles, and no obstacle is ever closer than 0, so walking once gives what two
// separate walks would, in any order, and the walk may end once both gaps are 0. Touching
// obstacles are mostly margin strips or the newest pieces, so the leading records are looked
// at first and the rest from the end backward.
SnapGaps FindSnapGaps(const AreaList& areas, size_t self, float xs, float ys, float xe,
                      float ye) {
  SnapGaps gaps;
  const auto touchesBothSides = [&](size_t k) {
    const AreaRecord& a = areas[k];
    if (!(a.TYPE > 0 || a.TYPE == kMarginStrip) || k == self) return false;
    if (a.XE <= xs && SpansTouch(ys, ye, a.YS, a.YE)) {
      const float d = xs - a.XE;
      if (d < gaps.x) gaps.x = d;
    }
    if (a.YE <= ys && SpansTouch(xs, xe, a.XS, a.XE)) {
      const float d = ys - a.YE;
      if (d < gaps.y) gaps.y = d;
    }
    return gaps.x == 0 && gaps.y == 0;
  };
  const size_t last = areas.size() - 1;
  const size_t leading = last < kRollRecords ? last : kRollRecords;
  for (size_t k = 1; k <= leading; ++k) {
    if (touchesBothSides(k)) return gaps;
  }
  for (size_t k = last; k > leading; --k) {
    if (touchesBothSides(k)) return gaps;
  }
  return gaps;
}

}  // namespace



void SnapFreeArea(AreaList& areas, int16_t areaIndex, SnapOrder order) {
  const size_t self = size_t(areaIndex);
  AreaRecord& r = areas[self];
  SnapGaps gaps = FindSnapGaps(areas, self, r.XS, r.YS, r.XE, r.YE);
  if (order == SnapOrder::kXThenY) {
    const float before = r.XS;
    if (gaps.x != kNoGap) r.XS = r.XS - gaps.x;
    // The Y snap tests the widened span; only a moved edge can change its answer.
    if (!(r.XS == before)) gaps = FindSnapGaps(areas, self, r.XS, r.YS, r.XE, r.YE);
    if (gaps.y != kNoGap) r.YS = r.YS - gaps.y;
  } else {
    const float before = r.YS;
    if (gaps.y != kNoGap) r.YS = r.YS - gaps.y;
    if (!(r.YS == before)) gaps = FindSnapGaps(areas, self, r.XS, r.YS, r.XE, r.YE);
    if (gaps.x != kNoGap) r.XS = r.XS - gaps.x;
  }
}

}  // namespace trimora
