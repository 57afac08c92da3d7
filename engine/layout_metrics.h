#pragma once
// The measures by which candidate layouts and complete solutions are judged, and the choices
// made with them. Everything is single precision and summed in record order: ties are exact
// comparisons of these values, so the order of the additions is part of the result.

#include <cstdint>
#include <optional>

#include "engine/area_list.h"
#include "engine/candidate_layout.h"
#include "engine/work_lists.h"

namespace trimora {

// The spread of one layout: the sum, over its pieces, of the piece's area times the distance
// of its far corner from the origin. It only decides between candidates of equal yield and
// used length.
float LayoutSpread(const AreaList& list);

// A whole plan: the yield rounded to six decimals, and the layout number of the last record.
struct SolutionMeasures {
  float yield = 0;
  int16_t layouts = 0;
};

SolutionMeasures SolutionMetrics(const AreaList& list);

// Sum of (XE - XS) * (YE - YS) * repeat over the roll outlines.
float TotalStockArea(const AreaList& list);

// Sheets (or lengths of coil) cut: the sum of the layouts' repeat counts.
float SheetsCut(const AreaList& list);

// Piece area of one copy of the list's last layout (repeat count not applied).
float LastLayoutPieceArea(const AreaList& list);

// The stock term of one record: what TotalStockArea adds for a roll outline.
float StockTerm(const AreaRecord& record);

// The records of the layouts accepted so far in one trial (element 0 holds no record), with
// their stock area kept as a running sum: it is added in record order, so it always equals
// TotalStockArea(records) bit for bit without a walk over the whole plan after every layout.
struct Solution {
  AreaList records{AreaRecord{}};
  float stockArea = 0;

  bool Empty() const { return records.size() <= 1; }
  void Clear();
};

// The best candidate of one layout step, with its remaining cuts and roll.
struct BestCandidate {
  bool present = false;
  int16_t roll = 0;
  AreaList layout;
  WorkCuts remainingCuts;
  // The layout's yield (piece area / stock area, 0 without stock) and used length (YE - YS of
  // its roll outline), so that each comparison measures only the newcomer; the spread is
  // worked out once a tie asks for it.
  float yield = 0;
  float usedLength = 0;
  std::optional<float> spread;

  // Empties the step's best while keeping the buffers' capacity for the next step.
  void Clear();
};

// Keeps the better of the finished candidate and the step's best: higher yield, then longer
// used length, then a spread at least as large, so that on a full tie the later candidate
// wins. A candidate kept hands its records and cuts over to the best, swapping buffers, so
// the next candidate must start afresh. allowed, when given, is asked only of a candidate
// that would be kept, and one it refuses is not: the best is then the best of the candidates
// it allows, found without asking it of every candidate.
void ChooseBetterCandidate(CandidateLayout& candidate, WorkCuts& candidateCuts, int16_t roll,
                           BestCandidate& best, bool (*allowed)(const CandidateLayout&) = nullptr);

// The stock area beyond which a trial is abandoned: the best solution's, or no limit
// (infinity) while the best solution holds no records or no stock.
float AbandonLimit(const Solution& best);

// True when the stock a trial has used so far, or the least it will end with, is beyond the
// best solution's limit.
inline bool ExceedsBestStock(double stock, float abandonLimit) { return stock > abandonLimit; }

// Replaces best with a copy of solution when the goal (mode 1 yield, 2 layouts, 0 the first
// complete solution) prefers it, counting the improvement.
void CompareSolutions(const Solution& solution, Solution& best, int16_t mode,
                      int16_t& improvements);

}  // namespace trimora
