#pragma once
// A cut-piece that no trial could ever place makes every plan incomplete: such a job is
// refused before the run, naming the pieces.

#include <cstddef>
#include <vector>

#include "engine/work_lists.h"

namespace trimora {

// The cuts (indices in the engine's order) that fit no roll: in no orientation their ORN
// allows do they fit the usable area of any roll, at any length a trial may give the roll,
// under a variant the blade reach lets grow there. A layout's free areas all lie within its
// usable area, so these are exactly the cuts no trial can place.
std::vector<size_t> CutsFittingNoRoll(const WorkRolls& rolls, const WorkCuts& cuts,
                                      float bladeReach);

}  // namespace trimora
