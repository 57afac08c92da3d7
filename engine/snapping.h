#pragma once
// Just before a block is committed its free area is stretched toward the roll's origin, up to
// the nearest placed piece or margin strip, so that blocks slide toward the origin and the gaps
// left by spent and dead areas close.

#include <cstdint>

#include "engine/area_list.h"

namespace trimora {

// True when the closed spans [a1, a2] and [b1, b2] meet; a shared end point counts.
bool SpansTouch(float a1, float a2, float b1, float b2);

// Which edge moves first; the second snap tests the span left by the first.
enum class SnapOrder { kXThenY, kYThenX };

// Lowers XS and/or YS of free area areaIndex (1 .. last index) until it touches the nearest
// obstacle on that side: a placed piece or margin strip of any layout. XE and YE stay.
void SnapFreeArea(AreaList& areas, int16_t areaIndex, SnapOrder order);

}  // namespace trimora
