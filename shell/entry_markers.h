#pragma once
// The markers beside the Sheet Specifications and Cut-Piece Measurement grids, which show at
// a glance what the current row holds in columns the grid keeps hidden or terse.

#include <array>
#include <optional>

#include "storage/grid.h"

namespace trimora {

// ML, MT, MR, MB: shown when the current row's M(L), M(T), M(R), M(B) is greater than 0.
std::array<bool, 4> MarginMarkers(const Grid& sheetGrid);

struct OrientationMarkers {
  bool one = true;
  bool two = true;
};

// Markers 1 and 2 from the current row's ORN: 0 or empty shows both, 1 and 2 show only their
// own; any other value leaves the markers as they are (nothing).
std::optional<OrientationMarkers> OrientationMarkersFor(const Grid& cutGrid);

}  // namespace trimora
