#pragma once
// Area records, area lists, rolls and plans for the engine's tests.

#include <cstdint>
#include <initializer_list>

#include "engine/area_list.h"
#include "engine/layout_bookkeeping.h"
#include "engine/layout_metrics.h"
#include "engine/work_lists.h"

namespace trimora::testing {

inline AreaRecord Rect(int16_t type, float xs, float ys, float xe, float ye,
                       int16_t orientation = 0, int16_t layout = 0) {
  return {layout, type, 1, xs, ys, xe, ye, 0, orientation};
}

// Element 0 holds no area; the records follow from index 1.
inline AreaList List(std::initializer_list<AreaRecord> records) {
  AreaList list(1);
  list.insert(list.end(), records);
  return list;
}

inline WorkRoll Roll(float length, float width, float margin = 0) {
  return {length, width, 1, margin, margin, margin, margin};
}

// The records a run starts the roll with; its usable area is free area 6.
inline AreaList FreshRoll(const WorkRoll& roll) {
  AreaList list;
  BuildRollAreaList({{}, roll}, 1, list);
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
