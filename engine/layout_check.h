#pragma once
// A debugging aid for tests: the invariants every layout must keep however it was grown.

#include <string>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora {

// "" when every placed piece lies inside its roll's usable area (the roll less its margins)
// and no two placed pieces of the same layout overlap; otherwise what is wrong with the first
// offending record, by index.
std::string CheckLayout(const AreaList& areas, const WorkRolls& rolls);

}  // namespace trimora
