#pragma once
// The order of the roll and cut lists: large areas first, by one comparison pass per gap.
// It is deliberately not a full sort; layout results refer to positions in exactly this order.

#include "engine/engine_inputs.h"

namespace trimora {

void SortByAreaDescending(RollList& rolls, CutList& cuts);

// The pass on one list, for either record type.
void SortListByAreaDescending(RollList& rolls);
void SortListByAreaDescending(CutList& cuts);

}  // namespace trimora
