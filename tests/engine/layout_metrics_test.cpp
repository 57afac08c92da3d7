#include "engine/layout_metrics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/layout_test_records.h"

namespace trimora {
namespace {

using testing::AddLayout;
using testing::List;
using testing::PlanWithYield;
using testing::Rect;

// --- Measures of one layout ---------------------------------------------------------------

TEST(LayoutMetrics, YieldUsedLengthAndSpreadOfOneLayout) {
  const AreaList layout = List({Rect(kRollOutline, 0, 0, 100, 50), Rect(kMarginStrip, 0, 0, 5, 50),
                                Rect(3, 10, 10, 40, 30), Rect(kFreeArea, 40, 10, 95, 45)});
  const LayoutMeasures m = LayoutMetrics(layout);
  EXPECT_EQ(m.yield, 600.0f / 5000.0f);
  EXPECT_EQ(m.usedLength, 50.0f);
  EXPECT_EQ(m.spread, 30.0f * std::sqrt(40.0f * 40.0f + 30.0f * 30.0f) * 20.0f);
}

TEST(LayoutMetrics, IgnoresRepeatCountsAndNeedsAnOutline) {
  AreaList layout = List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 5, 10)});
  for (auto& a : layout) a.repeat = 7;
  EXPECT_EQ(LayoutMetrics(layout).yield, 0.5f);
  layout.erase(layout.begin() + 1);
  EXPECT_EQ(LayoutMetrics(layout).yield, 0.0f);
}

// --- Measures of a plan -------------------------------------------------------------------

TEST(SolutionMetrics, SevenOverNineIsRoundedToSixDecimals) {
  Solution plan;
  AddLayout(plan, 1, 1, List({Rect(kRollOutline, 0, 0, 3, 3), Rect(1, 0, 0, 7, 1)}));
  const SolutionMeasures m = SolutionMetrics(plan.records);
  EXPECT_EQ(m.yield, 0.777778f);
  EXPECT_EQ(m.layouts, 1);
}

TEST(SolutionMetrics, AppliesRepeatCountsAndCountsLayoutsByTheLastRecord) {
  Solution plan;
  AddLayout(plan, 1, 3, List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 5)}));
  AddLayout(plan, 2, 1, List({Rect(kRollOutline, 0, 0, 10, 10), Rect(2, 0, 0, 10, 10)}));
  EXPECT_EQ(TotalStockArea(plan.records), 400.0f);
  const SolutionMeasures m = SolutionMetrics(plan.records);
  EXPECT_EQ(m.yield, 0.625f);  // (150 + 100) / 400
  EXPECT_EQ(m.layouts, 2);
}

TEST(SolutionMetrics, NoStockGivesZeroes) {
  const SolutionMeasures m = SolutionMetrics(List({}));
  EXPECT_EQ(m.yield, 0.0f);
  EXPECT_EQ(m.layouts, 0);
}

TEST(LastLayoutPieceArea, SumsOneCopyOfTheLastLayoutOnly) {
  Solution plan;
  AddLayout(plan, 1, 2, List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 10)}));
  AddLayout(plan, 2, 4,
            List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 2, 3), Rect(2, 2, 0, 4, 1)}));
  EXPECT_EQ(LastLayoutPieceArea(plan.records), 8.0f);
  EXPECT_EQ(LastLayoutPieceArea(List({})), 0.0f);
}

TEST(Solution, RunningStockAreaEqualsTheSumOverTheRecords) {
  Solution plan;
  const float sizes[] = {1005.3f, 2399.7f, 17.1f, 3333.3f, 0.1f};
  for (int16_t n = 1; n <= 5; ++n) {
    const float side = sizes[n - 1];
    AddLayout(plan, n, float(n) * 1.5f,
              List({Rect(kRollOutline, 0, 0, side, side * 1.1f), Rect(1, 0, 0, 1, 1)}));
  }
  EXPECT_EQ(plan.stockArea, TotalStockArea(plan.records));
}

// --- Choosing the best candidate of a step ------------------------------------------------

AreaList Candidate(float usedLength, float pieceXS) {
  return List({Rect(kRollOutline, 0, 0, 100, usedLength), Rect(1, pieceXS, 0, pieceXS + 10, 10)});
}

WorkCuts CutsWithQty(float qty) { return WorkCuts{WorkCut{}, WorkCut{10, 10, qty, 0}}; }

TEST(ChooseBetterCandidate, FirstCandidateOfTheStepBecomesBest) {
  BestCandidate best;
  ChooseBetterCandidate(Candidate(10, 0), CutsWithQty(4), 2, best);
  EXPECT_TRUE(best.present);
  EXPECT_EQ(best.roll, 2);
  EXPECT_EQ(best.remainingCuts[1].QTY, 4.0f);
  EXPECT_EQ(best.layout.size(), 3u);
  best.Clear();  // a new step starts without a best, whatever the last one kept
  EXPECT_FALSE(best.present);
  ChooseBetterCandidate(Candidate(20, 0), CutsWithQty(5), 3, best);
  EXPECT_EQ(best.roll, 3);
}

TEST(ChooseBetterCandidate, HigherYieldWins) {
  BestCandidate best;
  ChooseBetterCandidate(Candidate(20, 0), CutsWithQty(4), 1, best);
  ChooseBetterCandidate(Candidate(10, 0), CutsWithQty(3), 2, best);
  EXPECT_EQ(best.roll, 2);
  EXPECT_EQ(best.remainingCuts[1].QTY, 3.0f);
  ChooseBetterCandidate(Candidate(20, 0), CutsWithQty(2), 3, best);
  EXPECT_EQ(best.roll, 2);
}

TEST(ChooseBetterCandidate, EqualYieldPrefersTheLongerLayout) {
  const AreaList shorter = List({Rect(kRollOutline, 0, 0, 100, 10), Rect(1, 0, 0, 10, 10)});
  const AreaList longer = List({Rect(kRollOutline, 0, 0, 50, 20), Rect(1, 0, 0, 10, 10)});
  BestCandidate best;
  ChooseBetterCandidate(longer, CutsWithQty(1), 1, best);
  ChooseBetterCandidate(shorter, CutsWithQty(1), 2, best);
  EXPECT_EQ(best.roll, 1);
  best.Clear();
  ChooseBetterCandidate(shorter, CutsWithQty(1), 1, best);
  ChooseBetterCandidate(longer, CutsWithQty(1), 2, best);
  EXPECT_EQ(best.roll, 2);
}

TEST(ChooseBetterCandidate, EqualYieldAndLengthPrefersTheLargerSpread) {
  BestCandidate best;
  ChooseBetterCandidate(Candidate(10, 50), CutsWithQty(1), 1, best);
  ChooseBetterCandidate(Candidate(10, 0), CutsWithQty(1), 2, best);
  EXPECT_EQ(best.roll, 1);
}

TEST(ChooseBetterCandidate, FullTieKeepsTheLaterCandidate) {
  BestCandidate best;
  ChooseBetterCandidate(Candidate(10, 0), CutsWithQty(5), 1, best);
  ChooseBetterCandidate(Candidate(10, 0), CutsWithQty(6), 2, best);
  EXPECT_EQ(best.roll, 2);
  EXPECT_EQ(best.remainingCuts[1].QTY, 6.0f);
}

// --- Comparing complete plans -------------------------------------------------------------

TEST(CompareSolutions, EmptyBestTakesAnyPlanInEveryMode) {
  for (int16_t mode : {0, 1, 2}) {
    Solution best;
    int16_t improvements = 0;
    const Solution plan = PlanWithYield(2, 5000000);
    CompareSolutions(plan, best, mode, improvements);
    EXPECT_EQ(best.records.size(), plan.records.size());
    EXPECT_EQ(best.stockArea, plan.stockArea);
    EXPECT_EQ(improvements, 1);
  }
}

// Whether `challenger` replaces `incumbent` under the mode.
bool Replaces(const Solution& challenger, const Solution& incumbent, int16_t mode) {
  Solution best = incumbent;
  int16_t improvements = 4;
  CompareSolutions(challenger, best, mode, improvements);
  const bool taken = improvements == 5;
  EXPECT_EQ(best.records.size(), (taken ? challenger : incumbent).records.size());
  return taken;
}

TEST(CompareSolutions, MaximumYieldPrefersFewerLayoutsOnEqualYield) {
  const Solution four = PlanWithYield(4, 9123460);
  const Solution five = PlanWithYield(5, 9123460);
  EXPECT_TRUE(Replaces(four, five, 1));
  EXPECT_FALSE(Replaces(five, four, 1));
}

TEST(CompareSolutions, MaximumYieldPrefersHigherYieldOverFewerLayouts) {
  EXPECT_TRUE(Replaces(PlanWithYield(5, 9500000), PlanWithYield(4, 8000000), 1));
  EXPECT_FALSE(Replaces(PlanWithYield(4, 8000000), PlanWithYield(5, 9500000), 1));
}

TEST(CompareSolutions, MinimumLayoutsPrefersFewerLayoutsOverHigherYield) {
  EXPECT_TRUE(Replaces(PlanWithYield(4, 8000000), PlanWithYield(5, 9500000), 2));
  EXPECT_FALSE(Replaces(PlanWithYield(5, 9500000), PlanWithYield(4, 8000000), 2));
  EXPECT_TRUE(Replaces(PlanWithYield(4, 9500000), PlanWithYield(4, 8000000), 2));
}

TEST(CompareSolutions, YieldsEqualAfterRoundingToSixDecimalsAreATie) {
  // 0.9123461 and 0.9123464 are both 0.912346: the layout count decides in mode 1 ...
  EXPECT_TRUE(Replaces(PlanWithYield(4, 9123461), PlanWithYield(5, 9123464), 1));
  EXPECT_FALSE(Replaces(PlanWithYield(5, 9123464), PlanWithYield(4, 9123461), 1));
  // ... and in mode 2 the higher unrounded yield is no reason to replace.
  EXPECT_FALSE(Replaces(PlanWithYield(4, 9123464), PlanWithYield(4, 9123461), 2));
}

// Equal yield and layout count; the last layout of `small` holds less piece area.
void TieOnLastLayout(Solution& small, Solution& large) {
  const AreaList bigFirst = List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 8)});
  const AreaList smallFirst = List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 2)});
  AddLayout(small, 1, 1, bigFirst);
  AddLayout(small, 2, 1, smallFirst);
  AddLayout(large, 1, 1, smallFirst);
  AddLayout(large, 2, 1, bigFirst);
}

TEST(CompareSolutions, EqualYieldAndLayoutsPrefersTheLighterLastLayout) {
  for (int16_t mode : {1, 2}) {
    Solution small, large;
    TieOnLastLayout(small, large);
    EXPECT_TRUE(Replaces(small, large, mode));
    EXPECT_FALSE(Replaces(large, small, mode));
    EXPECT_FALSE(Replaces(small, small, mode));
  }
}

TEST(CompareSolutions, ModeZeroNeverReplacesTheFirstPlan) {
  EXPECT_FALSE(Replaces(PlanWithYield(1, 9900000), PlanWithYield(9, 1000000), 0));
}

// --- Abandoning a trial -------------------------------------------------------------------

TEST(ExceedsBestStock, OnlyAgainstABestPlanThatHoldsStock) {
  const Solution big = PlanWithYield(1, 1);
  Solution small;
  AddLayout(small, 1, 1, List({Rect(kRollOutline, 0, 0, 10, 10)}));
  Solution noStock;
  AddLayout(noStock, 1, 1, List({Rect(kRollOutline, 0, 0, 0, 0)}));

  EXPECT_FALSE(ExceedsBestStock(big.stockArea, AbandonLimit(Solution{})));
  EXPECT_FALSE(ExceedsBestStock(big.stockArea, AbandonLimit(noStock)));
  EXPECT_TRUE(ExceedsBestStock(big.stockArea, AbandonLimit(small)));
  EXPECT_FALSE(ExceedsBestStock(small.stockArea, AbandonLimit(big)));
  EXPECT_FALSE(ExceedsBestStock(small.stockArea, AbandonLimit(small)));
}

}  // namespace
}  // namespace trimora
