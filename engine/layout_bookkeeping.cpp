#include "engine/layout_bookkeeping.h"

#include <algorithm>
#include <cmath>

namespace trimora {

namespace {

constexpr float kNoMinimum = 1E20f;

}  // namespace

void BuildRollAreaList(const WorkRolls& rolls, int16_t r, AreaList& list) {
  const WorkRoll& roll = rolls[size_t(r)];
  const float W = roll.WIDTH;
  const float L = roll.LENGTH;
  list.resize(1);
  list[0] = AreaRecord{};
  list.push_back(MakeArea(kRollOutline, r, 0, 0, W, L));
  list.push_back(MakeArea(kMarginStrip, r, 0, 0, roll.ML, L));
  list.push_back(MakeArea(kMarginStrip, r, roll.ML, 0, W, roll.MT));
  list.push_back(MakeArea(kMarginStrip, r, W - roll.MR, roll.MT, W, L));
  list.push_back(MakeArea(kMarginStrip, r, roll.ML, L - roll.MB, W - roll.MR, L));
  list.push_back(MakeArea(kFreeArea, r, roll.ML, roll.MT, W - roll.MR, L - roll.MB));
}

void DropSpentAreas(AreaList& list) {
  if (list.empty()) return;
  const auto spent = [](const AreaRecord& a) { return a.TYPE == kSpentArea; };
  list.erase(std::remove_if(list.begin() + 1, list.end(), spent), list.end());
}

float RepeatCount(float available, const WorkCuts& before, const WorkCuts& after) {
  float m = kNoMinimum;
  for (size_t i = 1; i < before.size(); ++i) {
    const float used = before[i].QTY - after[i].QTY;
    if (used > 0) m = MinSingle(m, std::trunc(before[i].QTY / used));
  }
  if (m == kNoMinimum) return 0;
  return MinSingle(m, available);
}

void ApplyLayout(float count, int16_t r, WorkRolls& rolls, WorkCuts& cuts, const WorkCuts& after,
                 AreaList& layout, int16_t number) {
  rolls[size_t(r)].QTY = rolls[size_t(r)].QTY - count;
  for (size_t i = 1; i < cuts.size(); ++i) {
    const float used = cuts[i].QTY - after[i].QTY;
    if (used > 0) cuts[i].QTY = cuts[i].QTY - used * count;
  }
  for (size_t k = 1; k < layout.size(); ++k) {
    layout[k].repeat = count;
    layout[k].layout = number;
  }
}

void AppendLayout(const AreaList& layout, Solution& solution) {
  if (layout.size() <= 1) return;
  for (size_t k = 1; k < layout.size(); ++k) {
    // The running stock area adds each outline in the order TotalStockArea would.
    if (layout[k].TYPE == kRollOutline) {
      solution.stockArea = solution.stockArea + StockTerm(layout[k]);
    }
  }
  solution.records.insert(solution.records.end(), layout.begin() + 1, layout.end());
}

}  // namespace trimora
