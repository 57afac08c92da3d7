#pragma once
// A cut's extents along X and Y for a placement orientation.

#include <cstdint>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora {

struct CutExtents {
  float dx = 0;
  float dy = 0;
};

// Lengthwise lays the cut's LENGTH along Y, crosswise along X.
inline CutExtents ExtentsOf(const WorkCut& cut, int16_t orientation) {
  if (orientation == kLengthwise) return {cut.WIDTH, cut.LENGTH};
  return {cut.LENGTH, cut.WIDTH};
}

}  // namespace trimora
