#include "engine/clearance.h"

namespace trimora {

namespace {

// One axis of the block: its corner coordinate and the extent of one copy.
struct Axis {
  float start;
  float step;
  float Edge(int16_t count) const { return start + float(count) * step; }
};

bool AnyOverlaps(const std::vector<Obstacle>& obstacles, float xs, float ys, float xe, float ye) {
  for (const Obstacle& o : obstacles) {
    if (RectsOverlap(xs, ys, xe, ye, o.XS, o.YS, o.XE, o.YE)) return true;
  }
  return false;
}

}  // namespace

bool ClearBlock(Placement& p, const AreaRecord& area, CutExtents e, Growth growth,
                const std::vector<Obstacle>& obstacles) {
  const Axis x{area.XS, e.dx};
  const Axis y{area.YS, e.dy};
  const bool columnFirst = growth == Growth::kAcross;
  int16_t& lineCount = columnFirst ? p.ny : p.nx;
  int16_t& crossCount = columnFirst ? p.nx : p.ny;
  const auto blockOverlaps = [&] {
    return AnyOverlaps(obstacles, x.start, y.start, x.Edge(p.nx), y.Edge(p.ny));
  };
  const auto firstLineOverlaps = [&] {
    const float xe = columnFirst ? x.Edge(1) : x.Edge(p.nx);
    const float ye = columnFirst ? y.Edge(p.ny) : y.Edge(1);
    return AnyOverlaps(obstacles, x.start, y.start, xe, ye);
  };
  for (;;) {
    if (firstLineOverlaps() && --lineCount == 0) return false;
    if (blockOverlaps() && --crossCount == 0) return false;
    if (!blockOverlaps()) return true;
  }
}

}  // namespace trimora
