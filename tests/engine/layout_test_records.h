#pragma once
// Small builders for area records and plans in the engine's tests.

#include <initializer_list>

#include "engine/area_list.h"
#include "engine/layout_bookkeeping.h"
#include "engine/layout_metrics.h"

namespace trimora::testing {

inline AreaRecord Rect(int16_t type, float xs, float ys, float xe, float ye,
                       int16_t orientation = 0) {
  AreaRecord a;
  a.TYPE = type;
  a.roll = 1;
  a.XS = xs;
  a.YS = ys;
  a.XE = xe;
  a.YE = ye;
  a.orientation = orientation;
  return a;
}

// An area list with an empty element 0 followed by the records.
inline AreaList List(std::initializer_list<AreaRecord> records) {
  AreaList list{AreaRecord{}};
  list.insert(list.end(), records.begin(), records.end());
  return list;
}

// Stamps the layout with its number and repeat count and appends it to the plan.
inline void AddLayout(Solution& plan, int16_t number, float repeat, AreaList layout) {
  for (size_t k = 1; k < layout.size(); ++k) {
    layout[k].layout = number;
    layout[k].repeat = repeat;
  }
  AppendLayout(layout, plan);
}

// A plan of `layouts` layouts whose last one holds all stock and pieces: a stock of
// 1000 x 10000 and one piece 1 wide and pieceArea long, so the yield is pieceArea / 1E7.
inline Solution PlanWithYield(int16_t layouts, float pieceArea) {
  Solution plan;
  for (int16_t n = 1; n < layouts; ++n)
    AddLayout(plan, n, 1, List({Rect(kRollOutline, 0, 0, 0, 0)}));
  AddLayout(plan, layouts, 1,
            List({Rect(kRollOutline, 0, 0, 1000, 10000), Rect(1, 0, 0, 1, pieceArea)}));
  return plan;
}

}  // namespace trimora::testing
