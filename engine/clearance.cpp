#include "engine/clearance.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "engine/cut_extents.h"

namespace trimora {

namespace {

// One axis of the block: its corner coordinate and the extent of one copy.
struct Axis {
  float start;
  float step;
  float Edge(int16_t count) const { return start + float(count) * step; }
};

// The near edges of an obstacle that reaches past the block's corner, in (line axis, cross
// axis) terms. The corner never moves, so whether the obstacle overlaps a candidate rectangle
// depends on the candidate's far edges alone.
struct NearEdges {
  float line;
  float cross;
};

// Reused from call to call so that clearance allocates nothing once warmed up.
thread_local std::vector<NearEdges> firstLineObstacles;
thread_local std::vector<NearEdges> otherObstacles;

// The obstacles of one clearance, found as the passes ask for them. Only whether some obstacle
// overlaps matters, never which, so the list is walked at most once, from its end where the
// newest pieces lie, and only as far as a question needs. Obstacles that reach the block are
// kept, split by whether they reach into the first line. While the block only shrinks (copy
// extents not negative), an obstacle that misses the block once misses it for good and is
// forgotten; otherwise the filter is the widest reach of any candidate and nothing is forgotten.
template <bool kRowFirst>
class ObstacleScan {
 public:
  ObstacleScan(const AreaList& areas, Axis line, Axis cross)
      : areas_(areas),
        cursor_(areas.size() - 1),
        layout_(areas.back().layout),
        line_(line),
        cross_(cross),
        firstLineCross_(cross.Edge(1)),
        shrinking_(line.step >= 0 && cross.step >= 0),
        onFirstLine_(firstLineObstacles),
        beyondFirstLine_(otherObstacles) {
    onFirstLine_.clear();
    beyondFirstLine_.clear();
  }

  // Whether an obstacle overlaps the rectangle from the corner to (lineEdge, crossEdge): the
  // first line when firstLine is set, else the block itself. reachLine and reachCross bound
  // every candidate still to come.
  bool Overlaps(float lineEdge, float crossEdge, bool firstLine, float reachLine,
                float reachCross) {
    if (Known(onFirstLine_, lineEdge, crossEdge)) return true;
    if (!firstLine && Known(beyondFirstLine_, lineEdge, crossEdge)) return true;
    for (;;) {
      cursor_ = NextReaching(cursor_, reachLine, reachCross);
      if (cursor_ == 0) return false;
      const AreaRecord& a = areas_[cursor_--];
      const NearEdges near = {kRowFirst ? a.XS : a.YS, kRowFirst ? a.YS : a.XS};
      (firstLineCross_ > near.cross ? onFirstLine_ : beyondFirstLine_).push_back(near);
      if (lineEdge > near.line && crossEdge > near.cross) return true;
    }
  }

  bool Shrinking() const { return shrinking_; }

 private:
  // The index of the next obstacle at or below `from` that reaches into the rectangle from
  // the corner to (reachLine, reachCross), or 0. Such obstacles are few, so every condition
  // is evaluated for every record and only a find branches.
  size_t NextReaching(size_t from, float reachLine, float reachCross) const {
    const AreaRecord* records = areas_.data();
    const float lineStart = line_.start;
    const float crossStart = cross_.start;
    const int16_t layout = layout_;
    for (size_t k = from; k > 0; --k) {
      const AreaRecord& a = records[k];
      const float lineNear = kRowFirst ? a.XS : a.YS;
      const float lineFar = kRowFirst ? a.XE : a.YE;
      const float crossNear = kRowFirst ? a.YS : a.XS;
      const float crossFar = kRowFirst ? a.YE : a.XE;
      const bool reaches = (a.TYPE > 0) & (a.layout == layout) & (lineStart < lineFar) &
                           (reachLine > lineNear) & (crossStart < crossFar) &
                           (reachCross > crossNear);
      if (reaches) return k;
    }
    return 0;
  }

  bool Known(std::vector<NearEdges>& kept, float lineEdge, float crossEdge) {
    size_t i = 0;
    while (i < kept.size()) {
      if (lineEdge > kept[i].line && crossEdge > kept[i].cross) return true;
      if (shrinking_) {
        kept[i] = kept.back();
        kept.pop_back();
      } else {
        ++i;
      }
    }
    return false;
  }

  const AreaList& areas_;
  size_t cursor_;  // the next record to look at; 0 when the walk is done
  int16_t layout_;
  Axis line_;
  Axis cross_;
  float firstLineCross_;
  bool shrinking_;
  std::vector<NearEdges>& onFirstLine_;
  std::vector<NearEdges>& beyondFirstLine_;
};

// Both clearances in terms of the first line's axis: for row-first that is X (nx), for
// column-first Y (ny).
template <bool kRowFirst>
void ClearBlock(int16_t& nx, int16_t& ny, int16_t orientation, int16_t cutIndex,
                int16_t areaIndex, const AreaList& areas, const WorkCuts& cuts) {
  const CutExtents e = ExtentsOf(cuts[size_t(cutIndex)], orientation);
  const AreaRecord& area = areas[size_t(areaIndex)];
  const Axis line = kRowFirst ? Axis{area.XS, e.dx} : Axis{area.YS, e.dy};
  const Axis cross = kRowFirst ? Axis{area.YS, e.dy} : Axis{area.XS, e.dx};
  int16_t& lineCount = kRowFirst ? nx : ny;
  int16_t& crossCount = kRowFirst ? ny : nx;
  ObstacleScan<kRowFirst> obstacles(areas, line, cross);

  // Edges move monotonically with the counts: the widest candidate has one of the two ends.
  const float lineReach = std::max(line.Edge(1), line.Edge(lineCount));
  const float crossReach = std::max(cross.Edge(1), cross.Edge(crossCount));
  const auto blockOverlaps = [&](bool firstLine) {
    const float lineEdge = line.Edge(lineCount);
    const float crossEdge = cross.Edge(crossCount);
    const bool shrinking = obstacles.Shrinking();
    return obstacles.Overlaps(lineEdge, firstLine ? cross.Edge(1) : crossEdge, firstLine,
                              shrinking ? lineEdge : lineReach,
                              shrinking ? crossEdge : crossReach);
  };
  for (;;) {
    if (blockOverlaps(true)) {
      if (--lineCount == 0) return;
    }
    if (blockOverlaps(false)) {
      if (--crossCount == 0) return;
    }
    if (!blockOverlaps(false)) return;
  }
}

}  // namespace

bool RectsOverlap(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2,
                  float by2) {
  return ax1 < bx2 && ax2 > bx1 && ay1 < by2 && ay2 > by1;
}

void ClearBlockRowFirst(int16_t& nx, int16_t& ny, int16_t orientation, int16_t cutIndex,
                        int16_t areaIndex, const AreaList& areas, const WorkCuts& cuts) {
  ClearBlock<true>(nx, ny, orientation, cutIndex, areaIndex, areas, cuts);
}

void ClearBlockColumnFirst(int16_t& nx, int16_t& ny, int16_t orientation, int16_t cutIndex,
                           int16_t areaIndex, const AreaList& areas, const WorkCuts& cuts) {
  ClearBlock<false>(nx, ny, orientation, cutIndex, areaIndex, areas, cuts);
}

}  // namespace trimora
