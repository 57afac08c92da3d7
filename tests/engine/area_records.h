#pragma once
// Area records, area lists, rolls and plans for the engine's tests.

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "engine/area_list.h"
#include "engine/candidate_layout.h"
#include "engine/free_area_attempts.h"
#include "engine/layout_bookkeeping.h"
#include "engine/layout_context.h"
#include "engine/layout_metrics.h"
#include "engine/place_cut_block.h"
#include "engine/work_lists.h"

namespace trimora::testing {

inline AreaRecord Rect(int16_t type, float xs, float ys, float xe, float ye,
                       int16_t orientation = 0, int16_t layout = 0) {
  return {layout, type, 1, xs, ys, xe, ye, 0, orientation};
}

// Element 0 holds no area; the records follow from index 1.
inline AreaList List(std::initializer_list<AreaRecord> records) {
  AreaList list(1);
  list.insert(list.end(), records);
  return list;
}

inline WorkRoll Roll(float length, float width, float margin = 0) {
  return {length, width, 1, margin, margin, margin, margin};
}

// The records a run starts the roll with; its usable area is free area 6.
inline AreaList FreshRoll(const WorkRoll& roll) {
  AreaList list;
  BuildRollAreaList({{}, roll}, 1, list);
  return list;
}

// A candidate layout grown on roll 1 with the given cuts, as a step of a trial grows it.
struct Growing {
  WorkRolls rolls;
  WorkCuts cuts;
  CandidateLayout layout;
  TrialRandom random;
  FreeAreaAttempts attempts;
  int16_t variant = 1;
  int32_t trial = 1;
  int32_t trialCount = 99;
  float bladeReach = 1E6f;

  // A fresh roll, whose usable area is free area 6.
  Growing(const WorkRoll& roll, WorkCuts cutList)
      : rolls{{}, roll}, cuts(std::move(cutList)), attempts(cuts) {
    layout.Start(rolls, 1);
  }
  // The layout given as records on the roll.
  Growing(const WorkRoll& roll, WorkCuts cutList, AreaList records)
      : rolls{{}, roll},
        cuts(std::move(cutList)),
        layout(CandidateLayout::FromRecords(std::move(records))),
        attempts(cuts) {}

  LayoutContext Context() {
    return {layout,     cuts,   rolls[1], kVariants[size_t(variant - 1)], trial, trialCount,
            bladeReach, random, true};
  }

  // One call of PlaceCutBlock for cut c in free area k.
  std::optional<Placement> Place(int16_t c, int16_t k, bool firstPlacement) {
    LayoutContext ctx = Context();
    attempts.StartCandidate(ctx);
    attempts.Prepare(ctx, k);
    return PlaceCutBlock(ctx, attempts, k, c, firstPlacement);
  }
};

// Stamps the layout with its number and repeat count and appends it to the plan.
inline void AddLayout(Solution& plan, int16_t number, float repeat, AreaList layout) {
  for (size_t k = 1; k < layout.size(); ++k) {
    layout[k].layout = number;
    layout[k].repeat = repeat;
  }
  AppendLayout(layout, plan);
}

// A plan of `layouts` layouts whose last one holds all stock and pieces: a stock of
// 1000 x 10000 and one piece 1 wide and pieceArea long, so the yield is pieceArea / 1E7.
inline Solution PlanWithYield(int16_t layouts, float pieceArea) {
  Solution plan;
  for (int16_t n = 1; n < layouts; ++n)
    AddLayout(plan, n, 1, List({Rect(kRollOutline, 0, 0, 0, 0)}));
  AddLayout(plan, layouts, 1,
            List({Rect(kRollOutline, 0, 0, 1000, 10000), Rect(1, 0, 0, 1, pieceArea)}));
  return plan;
}

}  // namespace trimora::testing
