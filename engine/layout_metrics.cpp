#include "engine/layout_metrics.h"

#include <cmath>
#include <limits>

namespace trimora {

namespace {

float RecordArea(const AreaRecord& a) { return (a.XE - a.XS) * (a.YE - a.YS); }

float PieceArea(const AreaList& list) {
  float pieces = 0;
  for (size_t k = 1; k < list.size(); ++k) {
    const AreaRecord& a = list[k];
    if (a.TYPE > 0) pieces = pieces + RecordArea(a) * a.repeat;
  }
  return pieces;
}

// Six decimals, as the yield is shown and compared: 0.9123461 and 0.9123464 are one yield.
float RoundToSixDecimals(float value) { return float(std::round(double(value) * 1e6) / 1e6); }

// Each difference is taken in single precision and compared with 0; the spreads are worked
// out only when yield and used length tie.
bool IsBetterCandidate(float yield, float usedLength, const CandidateLayout& candidate,
                       BestCandidate& best, std::optional<float>& spread) {
  const float yieldGain = yield - best.yield;
  if (yieldGain > 0) return true;
  if (yieldGain != 0) return false;
  const float lengthGain = usedLength - best.usedLength;
  if (lengthGain > 0) return true;
  if (lengthGain != 0) return false;
  if (!best.spread) best.spread = LayoutSpread(best.layout);
  spread = LayoutSpread(candidate.areas);
  return *spread - *best.spread >= 0;
}

bool PrefersByYield(const Solution& s, const SolutionMeasures& ms, const Solution& b,
                    const SolutionMeasures& mb) {
  if (ms.yield > mb.yield) return true;
  if (ms.yield != mb.yield) return false;
  if (ms.layouts == mb.layouts) {
    return LastLayoutPieceArea(s.records) < LastLayoutPieceArea(b.records);
  }
  return ms.layouts < mb.layouts;
}

bool PrefersByLayouts(const Solution& s, const SolutionMeasures& ms, const Solution& b,
                      const SolutionMeasures& mb) {
  if (ms.layouts < mb.layouts) return true;
  if (ms.layouts != mb.layouts) return false;
  if (ms.yield > mb.yield) return true;
  return ms.yield == mb.yield && LastLayoutPieceArea(s.records) < LastLayoutPieceArea(b.records);
}

}  // namespace

float LayoutSpread(const AreaList& list) {
  float spread = 0;
  for (size_t k = 1; k < list.size(); ++k) {
    const AreaRecord& a = list[k];
    if (a.TYPE <= 0) continue;
    const float reach = std::sqrt(a.XE * a.XE + a.YE * a.YE);
    spread = spread + (a.XE - a.XS) * reach * (a.YE - a.YS);
  }
  return spread;
}

float StockTerm(const AreaRecord& record) { return RecordArea(record) * record.repeat; }

float TotalStockArea(const AreaList& list) {
  float stock = 0;
  for (size_t k = 1; k < list.size(); ++k) {
    if (list[k].TYPE == kRollOutline) stock = stock + StockTerm(list[k]);
  }
  return stock;
}

SolutionMeasures SolutionMetrics(const AreaList& list) {
  const float stock = TotalStockArea(list);
  if (stock == 0) return {};
  const float pieces = PieceArea(list);
  return {RoundToSixDecimals(pieces / stock), list.back().layout};
}

float SheetsCut(const AreaList& list) {
  float sheets = 0;
  for (size_t k = 1; k < list.size(); ++k) {
    if (list[k].TYPE == kRollOutline) sheets = sheets + list[k].repeat;
  }
  return sheets;
}

float LastLayoutPieceArea(const AreaList& list) {
  float pieces = 0;
  if (list.size() <= 1) return pieces;
  const int16_t last = list.back().layout;
  for (size_t k = list.size() - 1; k >= 1 && list[k].layout == last; --k) {
    const AreaRecord& a = list[k];
    if (a.TYPE > 0) pieces = pieces + (a.YE - a.YS) * (a.XE - a.XS);
  }
  return pieces;
}

void Solution::Clear() {
  records.resize(1);
  stockArea = 0;
}

void BestCandidate::Clear() {
  present = false;
  roll = 0;
  layout.clear();
  remainingCuts.clear();
  yield = 0;
  usedLength = 0;
  spread.reset();
}

void ChooseBetterCandidate(CandidateLayout& candidate, WorkCuts& candidateCuts, int16_t roll,
                           BestCandidate& best, bool (*allowed)(const CandidateLayout&)) {
  // A candidate has one roll outline, whose area is its stock.
  const AreaRecord* outline = candidate.Outline();
  const float stock = outline ? RecordArea(*outline) : 0.0f;
  const float yield = stock > 0 ? candidate.PieceArea() / stock : 0.0f;
  const float usedLength = outline ? outline->YE - outline->YS : 0.0f;
  std::optional<float> spread;
  if (best.present && !IsBetterCandidate(yield, usedLength, candidate, best, spread)) return;
  if (allowed && !allowed(candidate)) return;
  best.present = true;
  best.roll = roll;
  best.remainingCuts.swap(candidateCuts);
  best.layout.swap(candidate.areas);
  best.yield = yield;
  best.usedLength = usedLength;
  best.spread = spread;
}

float AbandonLimit(const Solution& best) {
  if (best.Empty() || best.stockArea == 0) return std::numeric_limits<float>::infinity();
  return best.stockArea;
}

void CompareSolutions(const Solution& solution, Solution& best, int16_t mode,
                      int16_t& improvements) {
  bool take = best.Empty();
  if (!take && (mode == 1 || mode == 2)) {
    const SolutionMeasures ms = SolutionMetrics(solution.records);
    const SolutionMeasures mb = SolutionMetrics(best.records);
    take = mode == 1 ? PrefersByYield(solution, ms, best, mb)
                     : PrefersByLayouts(solution, ms, best, mb);
  }
  if (!take) return;
  best.records.assign(solution.records.begin(), solution.records.end());
  best.stockArea = solution.stockArea;
  improvements = int16_t(improvements + 1);
}

}  // namespace trimora
