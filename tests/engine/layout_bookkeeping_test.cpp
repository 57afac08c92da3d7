#include "engine/layout_bookkeeping.h"

#include <gtest/gtest.h>

#include "area_records.h"

namespace trimora {
namespace {

using testing::List;
using testing::Rect;

void ExpectRect(const AreaRecord& a, int16_t type, float xs, float ys, float xe, float ye) {
  EXPECT_EQ(a.TYPE, type);
  EXPECT_EQ(a.XS, xs);
  EXPECT_EQ(a.YS, ys);
  EXPECT_EQ(a.XE, xe);
  EXPECT_EQ(a.YE, ye);
}

// --- The starting records of a roll -------------------------------------------------------

// --- The layout being grown ---------------------------------------------------------------

TEST(PickFreeArea, RowsOrColumnsByGrowthAndTheEarlierRecordOnAFullTie) {
  const auto pick = [](const AreaList& list, Growth growth) {
    return CandidateLayout::FromRecords(list).PickFreeArea(growth);
  };
  const AreaList list =
      List({Rect(kDeadArea, 0, 0, 9, 9), Rect(kSpentArea, 0, 0, 9, 9), Rect(1, 0, 0, 9, 9),
            Rect(kFreeArea, 100, 40, 200, 90), Rect(kFreeArea, 20, 50, 90, 90),
            Rect(kFreeArea, 100, 40, 120, 60), Rect(kFreeArea, 20, 50, 30, 60)});
  EXPECT_EQ(pick(list, Growth::kAcross), 4);  // smallest YS
  EXPECT_EQ(pick(list, Growth::kAlong), 5);   // smallest XS
  // Equal YS falls back to the smallest XS, equal XS to the smallest YS.
  EXPECT_EQ(pick(List({Rect(kFreeArea, 100, 50, 200, 90), Rect(kFreeArea, 20, 50, 90, 90)}),
                 Growth::kAcross),
            2);
  EXPECT_EQ(pick(List({Rect(kFreeArea, 20, 90, 200, 99), Rect(kFreeArea, 20, 50, 90, 90)}),
                 Growth::kAlong),
            2);
  CandidateLayout deadOnly = CandidateLayout::FromRecords(List({Rect(kFreeArea, 0, 0, 9, 9)}));
  deadOnly.MarkDead(1);
  EXPECT_EQ(deadOnly.PickFreeArea(Growth::kAcross), 0);
  EXPECT_EQ(deadOnly.areas[1].TYPE, kDeadArea);
}

TEST(FinishCandidate, RecordsReachingTheRollEndEndAtTheLowestPieceOrAtZero) {
  // Roll 100 x 1000 with M(L) 10 and M(B) 0, two pieces, a free area to the roll's end.
  WorkRolls rolls(2);
  rolls[1] = {1000, 100, 1, 10, 0, 0, 0};
  AreaList list;
  BuildRollAreaList(rolls, 1, list);
  list[6].TYPE = kSpentArea;
  list.push_back(Rect(1, 10, 0, 60, 300));
  list.push_back(Rect(2, 60, 0, 100, 250));
  list.push_back(Rect(kDeadArea, 60, 250, 100, 1000));
  list.push_back(Rect(kCutLine, 60, 0, 60, 1000));
  list.push_back(Rect(kFreeArea, 10, 300, 60, 900));  // short of the roll's end: kept
  CandidateLayout layout = CandidateLayout::FromRecords(list);
  layout.Finish();
  list = layout.areas;
  EXPECT_EQ(list[1].YE, 300.0f);       // outline
  EXPECT_EQ(list[2].YE, 300.0f);       // left margin
  EXPECT_EQ(list[3].YE, 0.0f);         // top margin is untouched
  EXPECT_EQ(list[5].YS, 1000.0f);      // bottom margin keeps its YS ...
  EXPECT_EQ(list[5].YE, 300.0f);       // ... above its new YE
  EXPECT_EQ(list[9].TYPE, kFreeArea);  // the dead area, revived and cut back
  EXPECT_EQ(list[9].YE, 300.0f);
  EXPECT_EQ(list[10].YE, 300.0f);  // cut line along the length
  EXPECT_EQ(list[11].YE, 900.0f);
  EXPECT_EQ(layout.PieceArea(), 50.0f * 300 + 40.0f * 250);

  CandidateLayout empty = CandidateLayout::FromRecords(
      List({Rect(kRollOutline, 0, 0, 100, 1000), Rect(kFreeArea, 0, 0, 100, 400)}));
  empty.Finish();
  EXPECT_EQ(empty.areas[1].YE, 0.0f);
  EXPECT_EQ(empty.areas[2].YE, 400.0f);
}

// --- Booking a layout ---------------------------------------------------------------------

TEST(RepeatCount, BoundedByTheScarcestCutAndTheRollsAvailableThenBooked) {
  // Demand 10 with 3 copies in the layout, demand 7 with 1 copy, a third cut not in it.
  WorkCuts cuts = {WorkCut{}, {600, 300, 10, 0}, {400, 200, 7, 0}, {100, 100, 5, 0}};
  WorkCuts after = cuts;
  after[1].QTY = 7;
  after[2].QTY = 6;
  EXPECT_EQ(RepeatCount(kUnlimitedQty, cuts, after), 3.0f);  // 10 / 3 and 7 / 1
  EXPECT_EQ(RepeatCount(2, cuts, after), 2.0f);
  EXPECT_EQ(RepeatCount(kUnlimitedQty, cuts, cuts), 0.0f);  // a layout without pieces

  WorkRolls rolls(2);
  rolls[1].QTY = kUnlimitedQty;
  AreaList layout = List({Rect(kRollOutline, 0, 0, 9, 9), Rect(1, 0, 0, 1, 1)});
  ApplyLayout(3, 1, rolls, cuts, after, layout, 4);
  EXPECT_EQ(cuts[1].QTY, 1.0f);
  EXPECT_EQ(cuts[2].QTY, 4.0f);
  EXPECT_EQ(rolls[1].QTY, 9999996.0f);
  EXPECT_EQ(layout[0].layout, 0);
  for (size_t k = 1; k < layout.size(); ++k) {
    EXPECT_EQ(layout[k].layout, 4);
    EXPECT_EQ(layout[k].repeat, 3.0f);
  }
}

}  // namespace
}  // namespace trimora
