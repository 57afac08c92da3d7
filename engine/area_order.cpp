#include "engine/area_order.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trimora {

namespace {

template <typename Record>
float Area(const Record& record) {
  return record.LENGTH * record.WIDTH;
}

template <typename Record>
void GapPasses(std::vector<Record>& list) {
  const int n = int(list.size()) - 1;
  for (int gap = (n + 1) / 2; gap > 0; --gap) {
    // Halves round to even, as the default rounding mode does.
    const int blocks = int(std::nearbyint(double(n + 1) / double(gap))) - 1;
    int start = 1;
    for (int block = 0; block < blocks; ++block) {
      const int hi = std::min(start + gap - 1, n - gap);
      for (int i = start; i <= hi; ++i) {
        if (Area(list[size_t(i + gap)]) > Area(list[size_t(i)])) {
          // Exchanged through element 0, the scratch record.
          list[0] = std::move(list[size_t(i)]);
          list[size_t(i)] = std::move(list[size_t(i + gap)]);
          list[size_t(i + gap)] = std::move(list[0]);
        }
      }
      start += gap;
    }
  }
}

}  // namespace

void SortListByAreaDescending(RollList& rolls) { GapPasses(rolls); }
void SortListByAreaDescending(CutList& cuts) { GapPasses(cuts); }

void SortByAreaDescending(RollList& rolls, CutList& cuts) {
  GapPasses(rolls);
  GapPasses(cuts);
}

}  // namespace trimora
