#include "engine/candidate_layout.h"

#include <algorithm>
#include <cmath>

#include "engine/layout_bookkeeping.h"

namespace trimora {

namespace {

// The minima PickFreeArea starts from: an area only replaces the choice when strictly before.
constexpr float kNoMinimum = 1E20f;

// A relative allowance far larger than the few units in the last place by which the edge of a
// block, a sum of two rounded terms, can pass the edge of the area it was sized for.
constexpr float kEdgeAllowance = 1.0f / (1 << 20);

float PieceRecordArea(const AreaRecord& a) { return (a.XE - a.XS) * (a.YE - a.YS); }

float FarEdgeBound(float start, float end) {
  return end + (std::fabs(start) + std::fabs(end)) * kEdgeAllowance;
}

}  // namespace

void ObstacleTable::push_back(const Obstacle& o) {
  XS.push_back(o.XS);
  YS.push_back(o.YS);
  XE.push_back(o.XE);
  YE.push_back(o.YE);
  first_.push_back(o.first);
  nx_.push_back(o.nx);
  ny_.push_back(o.ny);
}

void ObstacleTable::clear() {
  XS.clear();
  YS.clear();
  XE.clear();
  YE.clear();
  first_.clear();
  nx_.clear();
  ny_.clear();
}

void CandidateLayout::Start(const WorkRolls& rolls, int16_t r) {
  BuildRollAreaList(rolls, r, areas);
  obstacles_.clear();
  margins_ = {2, 3, 4, 5};
  open_.assign(1, int16_t(areas.size() - 1));
  dead_.clear();
  parent_.clear();
  outline_ = 1;
  pieceArea_ = 0;
}

CandidateLayout CandidateLayout::FromRecords(AreaList records) {
  CandidateLayout layout;
  layout.areas = std::move(records);
  const int16_t building = layout.areas.back().layout;
  for (size_t k = 1; k < layout.areas.size(); ++k) {
    const AreaRecord& a = layout.areas[k];
    if (a.TYPE > 0 && a.layout == building) {
      layout.obstacles_.push_back({a.XS, a.YS, a.XE, a.YE, k, 1, 1});
    }
    if (a.TYPE > 0) layout.pieceArea_ = layout.pieceArea_ + PieceRecordArea(a);
    if (a.TYPE == kMarginStrip) layout.margins_.push_back(int16_t(k));
    if (a.TYPE == kFreeArea) layout.open_.push_back(int16_t(k));
    if (a.TYPE == kDeadArea) layout.dead_.push_back(int16_t(k));
    if (a.TYPE == kRollOutline && !layout.outline_) layout.outline_ = int16_t(k);
  }
  return layout;
}

int16_t CandidateLayout::PickFreeArea(Growth growth) const {
  const bool acrossFirst = growth == Growth::kAcross;
  float bestMajor = kNoMinimum;
  float bestMinor = kNoMinimum;
  int16_t chosen = 0;
  for (const int16_t k : open_) {
    const AreaRecord& a = areas[size_t(k)];
    const float major = acrossFirst ? a.YS : a.XS;
    const float minor = acrossFirst ? a.XS : a.YS;
    if (major < bestMajor || (major == bestMajor && minor < bestMinor)) {
      bestMajor = major;
      bestMinor = minor;
      chosen = k;
    }
  }
  return chosen;
}

void CandidateLayout::MarkDead(int16_t k) {
  areas[size_t(k)].TYPE = kDeadArea;
  open_.erase(std::find(open_.begin(), open_.end(), k));
  dead_.push_back(k);
}

void CandidateLayout::MarkSpent(int16_t k) {
  areas[size_t(k)].TYPE = kSpentArea;
  open_.erase(std::find(open_.begin(), open_.end(), k));
}

void CandidateLayout::AppendFreeArea(int16_t roll, float xs, float ys, float xe, float ye) {
  AreaRecord& a = areas.emplace_back(MakeArea(kFreeArea, roll, xs, ys, xe, ye));
  const float width = a.XE - a.XS;
  const float height = a.YE - a.YS;
  a.TYPE = width > 0 && height > 0 ? kFreeArea : kSpentArea;
  if (a.TYPE == kFreeArea) open_.push_back(int16_t(areas.size() - 1));
  parent_.resize(areas.size(), -1);
  parent_.back() = int32_t(obstacles_.size()) - 1;
}

void CandidateLayout::BlockAppended(size_t first, int16_t nx, int16_t ny, bool ordinarySizes) {
  const size_t last = first + size_t(nx) * size_t(ny) - 1;
  for (size_t k = first; k <= last; ++k) pieceArea_ = pieceArea_ + PieceRecordArea(areas[k]);
  if (ordinarySizes) {
    obstacles_.push_back(
        {areas[first].XS, areas[first].YS, areas[last].XE, areas[last].YE, first, nx, ny});
    return;
  }
  for (size_t k = first; k <= last; ++k) {
    obstacles_.push_back({areas[k].XS, areas[k].YS, areas[k].XE, areas[k].YE, k, 1, 1});
  }
}

void CandidateLayout::Finish() {
  for (const int16_t k : dead_) areas[size_t(k)].TYPE = kFreeArea;
  dead_.clear();
  // The lowest piece edge: a block's far edge is that of its last row.
  float maxY = 0;
  for (const float ye : obstacles_.YE) {
    if (ye > maxY) maxY = ye;
  }
  const float end = outline_ ? areas[size_t(outline_)].YE : 0;
  bool piecesTrimmed = false;
  for (size_t k = 1; k < areas.size(); ++k) {
    AreaRecord& a = areas[k];
    if (!(a.YE >= end)) continue;
    piecesTrimmed = piecesTrimmed || (a.TYPE > 0 && !(a.YE == maxY));
    a.YE = maxY;
  }
  // Only a piece beyond the roll's usable end can be cut back; its area then changes.
  if (piecesTrimmed) {
    pieceArea_ = 0;
    for (size_t k = 1; k < areas.size(); ++k) {
      if (areas[k].TYPE > 0) pieceArea_ = pieceArea_ + PieceRecordArea(areas[k]);
    }
  }
}

void CandidateLayout::ObstaclesNear(const AreaRecord& a, std::vector<Obstacle>& near) {
  const size_t n = obstacles_.size();
  const float xBound = FarEdgeBound(a.XS, a.XE);
  const float yBound = FarEdgeBound(a.YS, a.YE);
  const float* xs = obstacles_.XS.data();
  const float* ys = obstacles_.YS.data();
  const float* xe = obstacles_.XE.data();
  const float* ye = obstacles_.YE.data();
  reaches_.resize(n);
  uint32_t* reaches = reaches_.data();
  for (size_t i = 0; i < n; ++i) {
    reaches[i] = (xe[i] > a.XS) & (ye[i] > a.YS) & (xs[i] < xBound) & (ys[i] < yBound);
  }
  near.clear();
  for (size_t i = 0; i < n; ++i) {
    if (reaches[i]) near.push_back(obstacles_[i]);
  }
}

}  // namespace trimora
