#pragma once
// Building, cleaning up and booking layouts: the starting records of a roll, the choice of
// the next free area, the trim to the used length, how often a chosen layout is cut and what
// that takes from the rolls and cut-pieces.

#include <cstdint>

#include "engine/area_list.h"
#include "engine/layout_metrics.h"
#include "engine/work_lists.h"

namespace trimora {

// Refills list with elements 0 .. 6 for roll r: outline, left, top, right and bottom margin
// strips, and the usable area as the one free area. The buffer's capacity is kept.
void BuildRollAreaList(const WorkRolls& rolls, int16_t r, AreaList& list);

// Spent areas are removed; the other records keep their order.
void DropSpentAreas(AreaList& list);

// How many times the layout can be cut: bounded by every cut's remaining demand (before) over
// the copies the layout holds (before - after), and by the rolls available. 0 for a layout
// without pieces.
float RepeatCount(float available, const WorkCuts& before, const WorkCuts& after);

// Books count copies of the layout cut from roll r, and stamps count and the layout number
// into every record of the layout.
void ApplyLayout(float count, int16_t r, WorkRolls& rolls, WorkCuts& cuts, const WorkCuts& after,
                 AreaList& layout, int16_t number);

// Adds the layout's records after the solution's last record.
void AppendLayout(const AreaList& layout, Solution& solution);

}  // namespace trimora
