#pragma once
// What the steps of growing one candidate layout share, and the record of one placement.

#include <cstdint>

#include "engine/area_list.h"
#include "engine/candidate_layout.h"
#include "engine/random.h"
#include "engine/variants.h"
#include "engine/work_lists.h"

namespace trimora {

// A block of nx x ny copies of one cut, in one orientation, with its first copy at the corner
// of one free area.
struct Placement {
  int16_t cut = 0;   // cut index
  int16_t area = 0;  // index of the free area in the layout's list
  Orientation orientation = kNoOrientation;
  int16_t nx = 0;  // copies across the roll (X)
  int16_t ny = 0;  // copies along the roll (Y)
};

// The extents of one copy of a cut along X and Y: lengthwise lays its LENGTH along Y.
struct CutExtents {
  float dx = 0;
  float dy = 0;
};

inline CutExtents ExtentsOf(const WorkCut& cut, int16_t orientation) {
  if (orientation == kLengthwise) return {cut.WIDTH, cut.LENGTH};
  return {cut.LENGTH, cut.WIDTH};
}

// One candidate layout being grown on one roll under one variant, in one trial.
struct LayoutContext {
  CandidateLayout& layout;
  WorkCuts& cuts;        // the candidate's own copy: a placement lowers its cut's QTY
  const WorkRoll& roll;  // the roll the layout lies on
  const Variant& variant;
  int32_t trial;  // 1 .. trialCount
  int32_t trialCount;
  float bladeReach;  // BLADE + KERF: no block reaches further than this along Y
  TrialRandom& random;
  // Every cut has a positive size and every number of the job is far from the end of the
  // single-precision range. The shortcuts of FreeAreaAttempts rely on it; a job without it
  // (a negative kerf larger than a piece, sizes near 1E38) is grown without them.
  bool ordinarySizes;
};

}  // namespace trimora
