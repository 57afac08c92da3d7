#pragma once
// One step of growing a layout: a block of nx x ny copies of one cut, in one orientation, put
// into one free area with its first copy at the area's corner nearest the roll's origin.

#include <cstdint>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora {

// Succeeds when nx >= 1 and ny >= 1 on return: the cut's QTY is then lower by nx*ny and the
// area list has grown. On failure neither list has changed (random draws stay consumed).
// bladeReach is BLADE + KERF: no block extends further than that along Y.
void PlaceCutBlock(int16_t& nx, int16_t& ny, WorkCuts& cuts, int16_t cutIndex, AreaList& areas,
                   int16_t areaIndex, const WorkRolls& rolls, int16_t variant, int32_t trial,
                   int32_t trialCount, bool firstPlacement, float bladeReach);

}  // namespace trimora
