#pragma once
// Area records, area lists and plans for the engine's tests.

#include <cstdint>
#include <initializer_list>

#include "engine/area_list.h"
#include "engine/layout_bookkeeping.h"
#include "engine/layout_metrics.h"

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

// Stamps the layout with its number and repeat count and appends it to the plan.
inline void AddLayout(Solution& plan, int16_t number, float repeat, AreaList layout) {
  for (size_t k = 1; k < layout.size(); ++k) {
    layout[k].layout = number;
    layout[k].repeat = repeat;
  }
  AppendLayout(layout, plan);
}

}  // namespace trimora::testing
