#include "engine/snapping.h"

#include <algorithm>
#include <cstddef>

namespace trimora {

bool SpansTouch(float a1, float a2, float b1, float b2) {
  return (a1 <= b1 && b1 <= a2) || (a1 <= b2 && b2 <= a2) || (b1 <= a1 && a1 <= b2) ||
         (b1 <= a2 && a2 <= b2);
}

namespace {

// A gap still equal to this means no obstacle was found on that side.
constexpr float kNoGap = 1E+20f;

// The edges of a rectangle as seen by a snap along X (kAlongX) or along Y: its start and end
// along the axis the snap moves, and across it.
template <bool kAlongX, typename Rect>
float Start(const Rect& r) {
  return kAlongX ? r.XS : r.YS;
}
template <bool kAlongX, typename Rect>
float End(const Rect& r) {
  return kAlongX ? r.XE : r.YE;
}
template <bool kAlongX, typename Rect>
float CrossStart(const Rect& r) {
  return kAlongX ? r.YS : r.XS;
}
template <bool kAlongX, typename Rect>
float CrossEnd(const Rect& r) {
  return kAlongX ? r.YE : r.XE;
}

// The end, along the axis, of the block's copies nearest to `limit` without passing it, if
// any. The copies' ends rise from column to column (row to row), so the last column (row)
// that ends by the limit has it; the copies of the block's first row (column) give them.
template <bool kAlongX>
bool NearestEndBy(const AreaList& areas, const Obstacle& b, float limit, float& end) {
  if (End<kAlongX>(b) <= limit) {
    end = End<kAlongX>(b);
    return true;
  }
  // Only a block reaching from before the limit to past it has copies on both sides.
  const int16_t count = kAlongX ? b.nx : b.ny;
  if (count == 1 || !(Start<kAlongX>(b) < limit)) return false;
  const size_t step = kAlongX ? 1 : size_t(b.nx);
  const auto endOf = [&](int16_t i) { return End<kAlongX>(areas[b.first + size_t(i) * step]); };
  int16_t lo = 0;  // becomes the number of copies along the axis that end by the limit
  int16_t hi = count;
  while (lo < hi) {
    const int16_t mid = int16_t(lo + (hi - lo) / 2);
    if (endOf(mid) <= limit) {
      lo = int16_t(mid + 1);
    } else {
      hi = mid;
    }
  }
  if (lo == 0) return false;
  end = endOf(int16_t(lo - 1));
  return true;
}

// Moves the area's start along the axis to the nearest obstacle before it whose span across
// the axis meets the area's: the gap d = start - the obstacle's end is at least 0, and the
// smallest wins. The newest blocks lie closest, so they are looked at first, and a gap of 0
// ends the search.
template <bool kAlongX>
void Snap(CandidateLayout& layout, int16_t k) {
  AreaRecord& r = layout.areas[size_t(k)];
  const float start = Start<kAlongX>(r);
  const float crossStart = CrossStart<kAlongX>(r);
  const float crossEnd = CrossEnd<kAlongX>(r);
  float gap = kNoGap;
  const auto consider = [&](float end) {
    const float d = start - end;
    if (d < gap) gap = d;
  };
  // No gap is below 0, so one obstacle at 0 settles the snap: the block that left the area
  // usually touches it on one side, and the margin strips touch the areas along them.
  const auto touches = [&](float end, float otherStart, float otherEnd) {
    return end <= start && SpansTouch(crossStart, crossEnd, otherStart, otherEnd) &&
           start - end == 0;
  };
  if (const std::optional<Obstacle> parent = layout.ParentBlock(k);
      parent &&
      touches(End<kAlongX>(*parent), CrossStart<kAlongX>(*parent), CrossEnd<kAlongX>(*parent))) {
    return;
  }
  for (const int16_t m : layout.MarginStrips()) {
    const AreaRecord& margin = layout.areas[size_t(m)];
    if (m != k && End<kAlongX>(margin) <= start &&
        SpansTouch(crossStart, crossEnd, CrossStart<kAlongX>(margin), CrossEnd<kAlongX>(margin))) {
      consider(End<kAlongX>(margin));
    }
  }
  // A block's copies tile its rectangle, so the span of some copy meets the area's exactly
  // when the block's span does.
  const ObstacleTable& blocks = layout.Obstacles();
  for (size_t i = blocks.size(); i-- > 0 && gap != 0;) {
    const Obstacle b = blocks[i];
    float end = 0;
    if (NearestEndBy<kAlongX>(layout.areas, b, start, end) &&
        SpansTouch(crossStart, crossEnd, CrossStart<kAlongX>(b), CrossEnd<kAlongX>(b))) {
      consider(end);
    }
  }
  if (gap != kNoGap) {
    (kAlongX ? r.XS : r.YS) = start - gap;
  }
}

}  // namespace

void SnapFreeArea(CandidateLayout& layout, int16_t k, Growth growth) {
  if (growth == Growth::kAcross) {
    Snap<true>(layout, k);
    Snap<false>(layout, k);
  } else {
    Snap<false>(layout, k);
    Snap<true>(layout, k);
  }
}

}  // namespace trimora
