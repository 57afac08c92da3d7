#pragma once
// A second way to build a plan from a run's lists, used by the longer search efforts: the
// pieces one at a time in a given order, each into the free rectangle of any open layout that
// suits it best, every rectangle a piece goes into split in two by one straight cut. It keeps
// the rules every plan keeps (the usable area inside the margins, the cut's orientation lock,
// the blade reach, the stock quantities, the lengths an unlimited roll is cut to), and every
// layout it makes can be taken apart by straight through-cuts.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/layout_metrics.h"
#include "engine/work_lists.h"

namespace trimora {

// Which free rectangle a piece goes into: the least area left over, the shorter or the longer
// leftover side least, or the lowest far edge (which keeps a roll's used length short).
enum class FitRule : uint8_t { kBestArea, kBestShortSide, kBestLongSide, kLowestEdge };
inline constexpr int kFitRules = 4;

// Which of the two cuts around a placed piece comes first: the first cut runs the whole
// rectangle, so it decides which leftover gets the rectangle's full width or height.
// Which of the two cuts around a placed piece comes first. The first cut runs through the
// whole rectangle, so it decides which leftover keeps the rectangle's full extent: the one
// below the piece (a cut across) or the one beside it (a cut along).
enum class SplitRule : uint8_t {
  kShorterLeftover,  // across when the leftover beside is narrower than the one below is long
  kLongerLeftover,   // the other way round
  kShorterSide,      // across when the rectangle is no wider than it is long
  kLongerSide,       // the other way round
  kSmallerLeftover,  // the smaller of the two leftovers as small as possible
  kLargerLeftover,   // the larger of the two as large as possible
};
inline constexpr int kSplitRules = 6;

struct PackingRules {
  FitRule fit = FitRule::kBestArea;
  SplitRule split = SplitRule::kShorterLeftover;
  // A new layout goes on the stock of least usable area the piece fits, or of the most.
  bool largestStockFirst = false;
  // Of the lengths an unlimited roll may be cut to (PossibleRollLengths), which one; taken
  // modulo their number.
  int rollLength = 0;
};

// The copies to place, one cut index per copy; every copy of the list's cuts appears once.
using PackingOrder = std::vector<int16_t>;

// The copies in the cut list's order, each cut's QTY times; nothing when a QTY is not a whole
// number or the copies would be more than `most`.
std::optional<PackingOrder> CopiesOf(const WorkCuts& cuts, size_t most);

// The plan the rules make from the copies in the given order, its layouts numbered from 1 and
// each cut once (layouts that come out identical in a row are one layout cut that many
// times); nothing when some copy fits on no stock left. The lists are those of the run:
// kerf included, bladeReach BLADE + KERF.
std::optional<Solution> PackGuillotine(const WorkRolls& rolls, const WorkCuts& cuts,
                                       float bladeReach, const PackingOrder& order,
                                       const PackingRules& rules);

}  // namespace trimora
