#include "engine/layout_metrics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "area_records.h"

namespace trimora {
namespace {

using testing::AddLayout;
using testing::List;
using testing::PlanWithYield;
using testing::Rect;

TEST(SolutionMetrics, RepeatCountsApplyAndTheYieldIsRoundedToSixDecimals) {
  Solution plan;
  AddLayout(plan, 1, 3, List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 5)}));
  AddLayout(plan, 2, 1, List({Rect(kRollOutline, 0, 0, 10, 10), Rect(2, 0, 0, 10, 10)}));
  EXPECT_EQ(TotalStockArea(plan.records), 400.0f);
  EXPECT_EQ(SolutionMetrics(plan.records).yield, 0.625f);  // (150 + 100) / 400
  EXPECT_EQ(SolutionMetrics(plan.records).layouts, 2);     // the last record's number
  EXPECT_EQ(LastLayoutPieceArea(plan.records), 100.0f);    // one copy of the last layout

  Solution sevenNinths;
  AddLayout(sevenNinths, 1, 1, List({Rect(kRollOutline, 0, 0, 3, 3), Rect(1, 0, 0, 7, 1)}));
  EXPECT_EQ(SolutionMetrics(sevenNinths.records).yield, 0.777778f);
  EXPECT_EQ(SolutionMetrics(List({})).yield, 0.0f);
  EXPECT_EQ(SolutionMetrics(List({})).layouts, 0);
}

// --- Choosing the best candidate of a step ------------------------------------------------

TEST(ChooseBetterCandidate, YieldThenLengthThenSpreadAndAFullTieKeepsTheLater) {
  const auto candidate = [](float width, float usedLength, float pieceXS) {
    return List(
        {Rect(kRollOutline, 0, 0, width, usedLength), Rect(1, pieceXS, 0, pieceXS + 10, 10)});
  };
  const AreaList low = candidate(100, 20, 0);    // yield 0.05
  const AreaList high = candidate(100, 10, 0);   // yield 0.1
  const AreaList longer = candidate(50, 20, 0);  // yield 0.1, longer
  const AreaList spread = candidate(100, 10, 50);
  const struct {
    AreaList first, second;
    int16_t winner;  // the roll of the candidate kept
  } cases[] = {{low, high, 2},    {high, low, 1},    {high, longer, 2}, {longer, high, 1},
               {spread, high, 1}, {high, spread, 2}, {high, high, 2}};
  for (const auto& c : cases) {
    const auto choose = [](const AreaList& candidate, WorkCuts cuts, int16_t roll,
                           BestCandidate& best) {
      CandidateLayout layout = CandidateLayout::FromRecords(candidate);
      ChooseBetterCandidate(layout, cuts, roll, best);
    };
    BestCandidate best;
    choose(c.first, {{}, {10, 10, 5, 0}}, 1, best);
    EXPECT_TRUE(best.present);
    choose(c.second, {{}, {10, 10, 6, 0}}, 2, best);
    EXPECT_EQ(best.roll, c.winner) << &c - cases;
    EXPECT_EQ(best.remainingCuts[1].QTY, c.winner == 1 ? 5.0f : 6.0f);
    EXPECT_EQ(best.layout.size(), 3u);
    best.Clear();  // a new step starts without a best, whatever the last one kept
    choose(low, {{}, {10, 10, 5, 0}}, 3, best);
    EXPECT_EQ(best.roll, 3);
  }
}

// --- Comparing complete plans -------------------------------------------------------------

// Whether `challenger` replaces `incumbent` under the mode.
bool Replaces(const Solution& challenger, const Solution& incumbent, int16_t mode) {
  Solution best = incumbent;
  int16_t improvements = 4;
  CompareSolutions(challenger, best, mode, improvements);
  const bool taken = improvements == 5;
  EXPECT_EQ(best.records.size(), (taken ? challenger : incumbent).records.size());
  EXPECT_EQ(best.stockArea, (taken ? challenger : incumbent).stockArea);
  return taken;
}

TEST(CompareSolutions, ModesAndSixDecimalRounding) {
  const auto plan = PlanWithYield;
  const struct {
    Solution challenger, incumbent;
    int16_t mode;
    bool replaces;
  } cases[] = {
      // An empty best takes any plan; mode 0 keeps the first plan.
      {plan(2, 5000000), Solution{}, 0, true},
      {plan(2, 5000000), Solution{}, 2, true},
      {plan(1, 9900000), plan(9, 1000000), 0, false},
      // Mode 1: higher yield first, then fewer layouts.
      {plan(4, 9123460), plan(5, 9123460), 1, true},
      {plan(5, 9123460), plan(4, 9123460), 1, false},
      {plan(5, 9500000), plan(4, 8000000), 1, true},
      {plan(4, 8000000), plan(5, 9500000), 1, false},
      // Mode 2: fewer layouts first, then higher yield.
      {plan(4, 8000000), plan(5, 9500000), 2, true},
      {plan(5, 9500000), plan(4, 8000000), 2, false},
      {plan(4, 9500000), plan(4, 8000000), 2, true},
      // 0.9123461 and 0.9123464 are both 0.912346: a tie on the yield.
      {plan(4, 9123461), plan(5, 9123464), 1, true},
      {plan(5, 9123464), plan(4, 9123461), 1, false},
      {plan(4, 9123464), plan(4, 9123461), 2, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Replaces(c.challenger, c.incumbent, c.mode), c.replaces) << "case " << &c - cases;
  }
}

TEST(CompareSolutions, EqualYieldAndLayoutsPrefersTheLighterLastLayout) {
  const AreaList heavy = List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 8)});
  const AreaList light = List({Rect(kRollOutline, 0, 0, 10, 10), Rect(1, 0, 0, 10, 2)});
  Solution small, large;
  AddLayout(small, 1, 1, heavy);
  AddLayout(small, 2, 1, light);
  AddLayout(large, 1, 1, light);
  AddLayout(large, 2, 1, heavy);
  for (int16_t mode : {1, 2}) {
    EXPECT_TRUE(Replaces(small, large, mode));
    EXPECT_FALSE(Replaces(large, small, mode));
    EXPECT_FALSE(Replaces(small, small, mode));
  }
}

// --- Abandoning a trial -------------------------------------------------------------------

}  // namespace
}  // namespace trimora
