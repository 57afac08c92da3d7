#include "shell/entry_markers.h"

#include "storage/number_text.h"

namespace trimora {

namespace {

constexpr int kFirstMarginColumn = 4;  // M(L); M(T), M(R), M(B) follow
constexpr int kOrientationColumn = 4;  // ORN

}  // namespace

std::array<bool, 4> MarginMarkers(const Grid& sheetGrid) {
  std::array<bool, 4> shown{};
  for (int i = 0; i < 4; ++i) {
    shown[size_t(i)] = LeadingSingle(sheetGrid.Text(sheetGrid.row, kFirstMarginColumn + i)) > 0;
  }
  return shown;
}

std::optional<OrientationMarkers> OrientationMarkersFor(const Grid& cutGrid) {
  const float orientation = LeadingSingle(cutGrid.Text(cutGrid.row, kOrientationColumn));
  if (orientation == 0) return OrientationMarkers{true, true};
  if (orientation == 1) return OrientationMarkers{true, false};
  if (orientation == 2) return OrientationMarkers{false, true};
  return std::nullopt;
}

}  // namespace trimora
