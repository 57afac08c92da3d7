#pragma once
// Growing one candidate layout: free area after free area, a block of some remaining cut is
// placed, until no free area is left.

#include "engine/free_area_attempts.h"
#include "engine/layout_context.h"

namespace trimora {

// Fills the candidate's free areas one after another, always the one the variant picks
// first, until none is left; an area that takes no remaining cut is marked dead. attempts is
// working memory, reused from area to area.
void FillCandidate(LayoutContext& ctx, FreeAreaAttempts& attempts);

}  // namespace trimora
