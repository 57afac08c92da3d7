#pragma once
// Small area lists for the layout-generation tests: hand-made ones, and random ones on a
// coarse grid so that edges often coincide, which is where strict and inclusive tests differ.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <utility>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora::testing {

inline AreaRecord Rect(int16_t type, float xs, float ys, float xe, float ye,
                       int16_t layout = 0) {
  AreaRecord a;
  a.layout = layout;
  a.TYPE = type;
  a.roll = 1;
  a.XS = xs;
  a.YS = ys;
  a.XE = xe;
  a.YE = ye;
  return a;
}

// Element 0 holds no area; the records follow from index 1.
inline AreaList ListOf(std::initializer_list<AreaRecord> records) {
  AreaList list(1);
  list.insert(list.end(), records);
  return list;
}

// The six records a run starts a roll with: outline, margins left, top, right, bottom, and
// the usable area as free area 6.
inline AreaList FreshRoll(const WorkRoll& r) {
  const float w = r.WIDTH;
  const float l = r.LENGTH;
  return ListOf({Rect(kRollOutline, 0, 0, w, l), Rect(kMarginStrip, 0, 0, r.ML, l),
                 Rect(kMarginStrip, r.ML, 0, w, r.MT), Rect(kMarginStrip, w - r.MR, r.MT, w, l),
                 Rect(kMarginStrip, r.ML, l - r.MB, w - r.MR, l),
                 Rect(kFreeArea, r.ML, r.MT, w - r.MR, l - r.MB)});
}

inline WorkRoll Roll(float length, float width, float margin = 0) {
  return {length, width, 1, margin, margin, margin, margin};
}

// count random records of every TYPE on a 0 .. 20 grid of step 2.5, a few of them with a
// layout number other than the last record's, a few with their edges the wrong way round.
inline AreaList RandomAreaList(std::mt19937& gen, int count) {
  std::uniform_int_distribution<int> coord(0, 8);
  std::uniform_int_distribution<int> type(-6, 4);
  std::uniform_int_distribution<int> percent(0, 99);
  AreaList list(1);
  for (int i = 0; i < count; ++i) {
    float xs = 2.5f * float(coord(gen));
    float ys = 2.5f * float(coord(gen));
    float xe = xs + 2.5f * float(coord(gen) / 2 + 1);
    float ye = ys + 2.5f * float(coord(gen) / 2 + 1);
    if (percent(gen) < 5) std::swap(xs, xe);
    if (percent(gen) < 5) std::swap(ys, ye);
    const int16_t layout = percent(gen) < 10 ? 1 : 0;
    list.push_back(Rect(int16_t(type(gen)), xs, ys, xe, ye, layout));
  }
  list.back().layout = 0;
  return list;
}

}  // namespace trimora::testing
