#pragma once
// Just before a block is committed its free area is stretched toward the roll's origin, up to
// the nearest placed piece or margin strip, so that blocks slide toward the origin and the gaps
// left by spent and dead areas close.

#include <cstdint>

#include "engine/candidate_layout.h"
#include "engine/variants.h"

namespace trimora {

// True when the closed spans [a1, a2] and [b1, b2] meet; a shared end point counts.
bool SpansTouch(float a1, float a2, float b1, float b2);

// Lowers XS and/or YS of free area k of the layout until it touches the nearest obstacle on
// that side: a placed piece or a margin strip. XE and YE stay. Across variants snap along X
// first, Along variants along Y first; the second snap tests the span left by the first.
void SnapFreeArea(CandidateLayout& layout, int16_t k, Growth growth);

}  // namespace trimora
