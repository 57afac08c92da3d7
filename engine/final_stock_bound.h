#pragma once
// How much stock a trial will have used at least when it meets the demand, judged after each
// accepted layout: the stock so far, and every later layout holds its pieces within its own
// stock. A trial that must end above the best plan's stock is abandoned at once, rather than
// when its stock has grown past it; the run keeps exactly the same trials.

#include <vector>

#include "engine/work_lists.h"

namespace trimora {

class FinalStockBound {
 public:
  // For the run's ordered, kerf-included lists.
  FinalStockBound(const WorkRolls& rolls, const WorkCuts& cuts);

  // The least final stock of a trial that has used stockSoFar (the running sum the run keeps)
  // and still needs the copies left in cuts.
  double AtLeast(float stockSoFar, const WorkCuts& cuts) const;

 private:
  std::vector<double> pieceArea_;  // by cut index
  // (1 - allowance) for the rounding of coordinates, areas and sums, or 0 when the rounding
  // could be too large or a piece could lie outside its roll (a negative margin): the bound is
  // then the stock so far alone.
  double shrink_ = 0;
};

}  // namespace trimora
