#include "engine/final_stock_bound.h"

#include <algorithm>
#include <cmath>

namespace trimora {

namespace {

constexpr double kUnit = 1.0 / (1 << 24);  // the relative rounding of a single

// Beyond this allowance the bound would hardly ever abandon a trial early.
constexpr double kLargestAllowance = 0.05;

}  // namespace

// The allowance covers: piece edges rounded at the size of the largest coordinate, so that a
// piece's extents and area differ from its cut's by a few units of that size (relative to the
// smallest cut side); pieces meeting by a rounded unit; the outline areas and the running sum
// rounded once per layout, of which there are at most as many as copies.
FinalStockBound::FinalStockBound(const WorkRolls& rolls, const WorkCuts& cuts)
    : pieceArea_(cuts.size()) {
  double largest = 0;
  double quantity = 0;
  for (size_t r = 1; r < rolls.size(); ++r) {
    const WorkRoll& roll = rolls[r];
    if (!(roll.ML >= 0 && roll.MT >= 0 && roll.MR >= 0 && roll.MB >= 0)) return;
    largest = std::max({largest, double(roll.LENGTH), double(roll.WIDTH)});
  }
  double smallest = HUGE_VAL;
  for (size_t c = 1; c < cuts.size(); ++c) {
    if (!(cuts[c].WIDTH > 0 && std::isfinite(cuts[c].LENGTH))) return;
    smallest = std::min(smallest, double(cuts[c].WIDTH));
    pieceArea_[c] = double(cuts[c].LENGTH) * double(cuts[c].WIDTH);
    quantity += std::max(0.0, double(cuts[c].QTY));
  }
  const double edges = 4 * kUnit * largest / smallest;
  const double allowance = 10 * edges + (quantity + 4) * kUnit + 1e-6;
  if (std::isfinite(allowance) && allowance < kLargestAllowance) shrink_ = 1 - allowance;
}

double FinalStockBound::AtLeast(float stockSoFar, const WorkCuts& cuts) const {
  double open = 0;
  for (size_t c = 1; c < cuts.size(); ++c) {
    if (cuts[c].QTY > 0) open += double(cuts[c].QTY) * pieceArea_[c];
  }
  return std::max(double(stockSoFar), (double(stockSoFar) + open) * shrink_);
}

}  // namespace trimora
