#include "engine/guillotine_packing.h"

#include <algorithm>
#include <cmath>

#include "engine/candidate_layout.h"
#include "engine/layout_bookkeeping.h"
#include "engine/layout_context.h"
#include "engine/trial.h"

namespace trimora {

namespace {

constexpr size_t kUsableArea = 6;  // the free area BuildRollAreaList ends with

struct FreeRect {
  float XS = 0;
  float YS = 0;
  float XE = 0;
  float YE = 0;
};

struct OpenLayout {
  int16_t roll = 0;
  std::vector<FreeRect> free;
  AreaList pieces;
};

// Where the next copy goes: layout, free rectangle and orientation, and how well it suits.
struct Choice {
  size_t layout = 0;
  size_t rect = 0;
  int16_t orientation = kNoOrientation;
  double score = 0;
  double tieBreak = 0;
};

int OrientationsOf(const WorkCut& cut, int16_t (&orientations)[2]) {
  if (cut.ORN == 0) {
    orientations[0] = kLengthwise;
    orientations[1] = kCrosswise;
    return cut.LENGTH == cut.WIDTH ? 1 : 2;
  }
  if (cut.ORN == 1 || cut.ORN == 2) {
    orientations[0] = int16_t(cut.ORN);
    return 1;
  }
  return 0;
}

bool Fits(const FreeRect& r, const CutExtents& e) {
  return r.XS + e.dx <= r.XE && r.YS + e.dy <= r.YE;
}

void Score(const FreeRect& r, const CutExtents& e, FitRule fit, double& score, double& tieBreak) {
  const double leftWide = double(r.XE - r.XS) - e.dx;
  const double leftLong = double(r.YE - r.YS) - e.dy;
  const double shortSide = std::min(leftWide, leftLong);
  const double longSide = std::max(leftWide, leftLong);
  switch (fit) {
    case FitRule::kBestArea:
      score = double(r.XE - r.XS) * double(r.YE - r.YS) - double(e.dx) * e.dy;
      tieBreak = shortSide;
      return;
    case FitRule::kBestShortSide:
      score = shortSide;
      tieBreak = longSide;
      return;
    case FitRule::kBestLongSide:
      score = longSide;
      tieBreak = shortSide;
      return;
    case FitRule::kLowestEdge:
      score = double(r.YS) + e.dy;
      tieBreak = r.XS;
      return;
  }
}

// Whether the first cut around a piece placed at the rectangle's corner runs across, leaving
// the full width below the piece, or along, leaving the full length beside it.
bool SplitAcross(const FreeRect& r, const CutExtents& e, SplitRule split) {
  const double wide = double(r.XE - r.XS);
  const double along = double(r.YE - r.YS);
  const double leftWide = wide - e.dx;
  const double leftLong = along - e.dy;
  switch (split) {
    case SplitRule::kShorterLeftover:
      return leftWide <= leftLong;
    case SplitRule::kLongerLeftover:
      return leftWide > leftLong;
    case SplitRule::kShorterSide:
      return wide <= along;
    case SplitRule::kLongerSide:
      return wide > along;
    case SplitRule::kSmallerLeftover:
      return std::min(wide * leftLong, leftWide * e.dy) <=
             std::min(leftWide * along, e.dx * leftLong);
    case SplitRule::kLargerLeftover:
      return std::max(wide * leftLong, leftWide * e.dy) >=
             std::max(leftWide * along, e.dx * leftLong);
  }
  return true;
}

void Place(OpenLayout& layout, size_t rect, const WorkCut& cut, int16_t cutIndex,
           int16_t orientation, SplitRule split) {
  const FreeRect r = layout.free[rect];
  const CutExtents e = ExtentsOf(cut, orientation);
  const float right = r.XS + e.dx;
  const float bottom = r.YS + e.dy;
  AreaRecord& piece =
      layout.pieces.emplace_back(MakeArea(cutIndex, layout.roll, r.XS, r.YS, right, bottom));
  piece.orientation = orientation;

  FreeRect below{r.XS, bottom, r.XE, r.YE};
  FreeRect beside{right, r.YS, r.XE, r.YE};
  if (SplitAcross(r, e, split)) {
    beside.YE = bottom;
  } else {
    below.XE = right;
  }
  layout.free.erase(layout.free.begin() + std::ptrdiff_t(rect));
  for (const FreeRect& f : {below, beside}) {
    if (f.XE > f.XS && f.YE > f.YS) layout.free.push_back(f);
  }
}

FreeRect UsableArea(const WorkRoll& roll) {
  return {roll.ML, roll.MT, roll.WIDTH - roll.MR, roll.LENGTH - roll.MB};
}

// The stock a new layout for the cut goes on: a roll with a whole sheet left whose usable area
// the cut fits, the least (or most) usable area first, on a tie the earlier roll; 0 for none.
int16_t NewLayoutRoll(const WorkRolls& stock, const WorkCut& cut, float bladeReach,
                      const PackingRules& rules) {
  int16_t chosen = 0;
  double chosenArea = 0;
  int16_t orientations[2];
  const int count = OrientationsOf(cut, orientations);
  for (size_t i = 1; i < stock.size(); ++i) {
    if (!(stock[i].QTY >= 1)) continue;
    const FreeRect usable = UsableArea(stock[i]);
    bool fits = false;
    for (int o = 0; o < count; ++o) {
      const CutExtents e = ExtentsOf(cut, orientations[o]);
      fits = fits || (e.dy <= bladeReach && Fits(usable, e));
    }
    if (!fits) continue;
    const double area = double(usable.XE - usable.XS) * double(usable.YE - usable.YS);
    const bool better = rules.largestStockFirst ? area > chosenArea : area < chosenArea;
    if (chosen == 0 || better) {
      chosen = int16_t(i);
      chosenArea = area;
    }
  }
  return chosen;
}

bool BestChoice(const std::vector<OpenLayout>& layouts, size_t from, const WorkCut& cut,
                float bladeReach, FitRule fit, Choice& best) {
  bool found = false;
  int16_t orientations[2];
  const int count = OrientationsOf(cut, orientations);
  for (size_t l = from; l < layouts.size(); ++l) {
    const std::vector<FreeRect>& free = layouts[l].free;
    for (size_t f = 0; f < free.size(); ++f) {
      for (int o = 0; o < count; ++o) {
        const CutExtents e = ExtentsOf(cut, orientations[o]);
        if (e.dy > bladeReach || !Fits(free[f], e)) continue;
        double score = 0, tieBreak = 0;
        Score(free[f], e, fit, score, tieBreak);
        if (found && !(score < best.score || (score == best.score && tieBreak < best.tieBreak))) {
          continue;
        }
        best = {l, f, orientations[o], score, tieBreak};
        found = true;
      }
    }
  }
  return found;
}

// The layout's records as a grown candidate ends with them: outline, margin strips, the pieces
// in the order placed, the free rectangles left, everything reaching the roll's end cut back
// to the lowest piece.
AreaList LayoutRecords(const WorkRolls& stock, const OpenLayout& open) {
  CandidateLayout layout;
  layout.Start(stock, open.roll);
  layout.MarkSpent(int16_t(kUsableArea));
  for (const AreaRecord& piece : open.pieces) {
    layout.areas.push_back(piece);
    layout.BlockAppended(layout.areas.size() - 1, 1, 1, true);
  }
  for (const FreeRect& f : open.free) layout.AppendFreeArea(open.roll, f.XS, f.YS, f.XE, f.YE);
  layout.Finish();
  DropSpentAreas(layout.areas);
  return std::move(layout.areas);
}

}  // namespace

std::optional<PackingOrder> CopiesOf(const WorkCuts& cuts, size_t most) {
  PackingOrder copies;
  for (size_t i = 1; i < cuts.size(); ++i) {
    const float qty = cuts[i].QTY;
    if (!(qty >= 0) || qty != std::trunc(qty) || double(qty) > double(most - copies.size())) {
      return std::nullopt;
    }
    copies.insert(copies.end(), size_t(qty), int16_t(i));
  }
  return copies;
}

std::optional<Solution> PackGuillotine(const WorkRolls& rolls, const WorkCuts& cuts,
                                       float bladeReach, const PackingOrder& order,
                                       const PackingRules& rules) {
  WorkRolls stock = rolls;
  for (WorkRoll& roll : stock) {
    const std::vector<float> lengths = PossibleRollLengths(roll, cuts);
    roll.LENGTH = lengths[size_t(rules.rollLength) % lengths.size()];
  }
  std::vector<OpenLayout> layouts;
  for (const int16_t c : order) {
    const WorkCut& cut = cuts[size_t(c)];
    Choice choice;
    if (!BestChoice(layouts, 0, cut, bladeReach, rules.fit, choice)) {
      const int16_t roll = NewLayoutRoll(stock, cut, bladeReach, rules);
      if (roll == 0) return std::nullopt;
      if (stock[size_t(roll)].QTY != kUnlimitedQty) {
        stock[size_t(roll)].QTY = stock[size_t(roll)].QTY - 1;
      }
      layouts.push_back({roll, {UsableArea(stock[size_t(roll)])}, {}});
      BestChoice(layouts, layouts.size() - 1, cut, bladeReach, rules.fit, choice);
    }
    Place(layouts[choice.layout], choice.rect, cut, c, choice.orientation, rules.split);
  }

  // Layouts that come out the same in a row are one layout cut more often.
  std::vector<std::pair<AreaList, float>> distinct;
  for (const OpenLayout& open : layouts) {
    AreaList records = LayoutRecords(stock, open);
    const auto same = [](const AreaRecord& a, const AreaRecord& b) {
      return a.TYPE == b.TYPE && a.roll == b.roll && a.XS == b.XS && a.YS == b.YS && a.XE == b.XE &&
             a.YE == b.YE && a.orientation == b.orientation;
    };
    if (!distinct.empty() &&
        std::equal(records.begin(), records.end(), distinct.back().first.begin(),
                   distinct.back().first.end(), same)) {
      distinct.back().second += 1;
      continue;
    }
    distinct.emplace_back(std::move(records), 1.0f);
  }
  Solution plan;
  int16_t number = 0;
  for (auto& [records, count] : distinct) {
    number = int16_t(number + 1);
    for (size_t k = 1; k < records.size(); ++k) {
      records[k].repeat = count;
      records[k].layout = number;
    }
    AppendLayout(records, plan);
  }
  return plan;
}

}  // namespace trimora
