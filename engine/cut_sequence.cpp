#include "engine/cut_sequence.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

namespace trimora {

namespace {

struct Box {
  double xs = 0;
  double ys = 0;
  double xe = 0;
  double ye = 0;
};

bool Near(double a, double b) { return std::fabs(a - b) < kCutTolerance; }

// The low and high edge of a box along the cut's axis: a 'Y' cut lies at some y.
double Low(const Box& b, char axis) { return axis == 'Y' ? b.ys : b.xs; }
double High(const Box& b, char axis) { return axis == 'Y' ? b.ye : b.xe; }

bool SameBox(const Box& a, const Box& b) {
  return Near(a.xs, b.xs) && Near(a.ys, b.ys) && Near(a.xe, b.xe) && Near(a.ye, b.ye);
}

// Pieces laid edge on edge in a grid: the piece (i, j) lies between edges x0 + i and x0 + i + 1
// of the cutter's edges across, and y0 + j and y0 + j + 1 of those along. A single piece is a
// grid of one.
struct PieceGrid {
  uint32_t x0 = 0;
  uint32_t x1 = 0;
  uint32_t y0 = 0;
  uint32_t y1 = 0;
  bool thick = false;  // every piece thicker than twice the tolerance both ways
};

// A part of stock still to be cut: its box, and the grids that lie in it as a range of the
// cutter's grids.
struct Part {
  Box box;
  size_t begin = 0;
  size_t end = 0;
  bool finished = false;

  size_t Size() const { return end - begin; }
};

// Takes a layout apart stage by stage, every part cut at every place it can be on the stage's
// axis: each cut only adds places to cut, so this takes the fewest stages for the axis it
// starts with. A piece thinner than the tolerance is never a part of its own, and a piece whose
// middle lies on a cut is in no part: either makes the layout inseparable.
//
// The engine asks this of every candidate layout it would keep, whose pieces come in blocks
// of up to hundreds. A block is one grid, cut only along its lines; a stage takes time in
// proportion to the grids' lines, not to their pieces, and the buffers are kept from layout
// to layout.
class Cutter {
 public:
  // The roll outline, and every placed piece a grid of its own; every other record is waste.
  void LoadPieces(const std::vector<AreaRecord>& layout) {
    Clear();
    for (const AreaRecord& a : layout) {
      if (a.TYPE == kRollOutline) outline_ = BoxOf(a);
      if (a.TYPE > 0) AddGrid(&a, 1, 1);
    }
  }

  // The roll outline, and every block of the candidate a grid.
  void LoadBlocks(const CandidateLayout& candidate) {
    Clear();
    if (candidate.Outline()) outline_ = BoxOf(*candidate.Outline());
    const ObstacleTable& blocks = candidate.Obstacles();
    for (size_t b = 0; b < blocks.size(); ++b) {
      const Obstacle block = blocks[b];
      AddGrid(&candidate.areas[block.first], size_t(block.nx), size_t(block.ny));
    }
  }

  const Box& Outline() const { return outline_; }

  // Whether the tolerance decides nothing in the layout loaded last: every piece is thick, and
  // any two edges that differ, the outline's included, differ by more than twice the
  // tolerance. Then a cut is one of the places to cut wherever it is asked, in the whole or in
  // any part that holds it, so the layout comes apart whichever way the first cut runs.
  bool Exact() {
    if (!std::all_of(loaded_.begin(), loaded_.end(), [](const PieceGrid& g) { return g.thick; })) {
      return false;
    }
    for (const char axis : {'X', 'Y'}) {
      lines_.clear();
      runEnds_.clear();
      for (const PieceGrid& g : loaded_) {
        const double* edge = FirstEdge(g, axis);
        for (size_t i = 0; i <= Count(g, axis); ++i) lines_.emplace_back(edge[i], 0);
        runEnds_.push_back(lines_.size());
      }
      // The list form returns values: the pair form would hold references to temporaries.
      const auto [low, high] = std::minmax({Low(outline_, axis), High(outline_, axis)});
      lines_.emplace_back(low, 0);
      lines_.emplace_back(high, 0);
      runEnds_.push_back(lines_.size());
      SortLines();
      for (size_t i = 1; i < lines_.size(); ++i) {
        const double gap = lines_[i].first - lines_[i - 1].first;
        if (gap != 0 && !(gap > 2 * kCutTolerance)) return false;
      }
    }
    return true;
  }

  // Whether the layout loaded last comes apart when the first stage cuts on firstAxis. The
  // cuts are appended to cuts, when given, and the stages counted.
  bool Separate(char firstAxis, std::vector<SawCut>* cuts, int& stages) {
    grids_.assign(loaded_.begin(), loaded_.end());
    parts_.assign(1, Part{outline_, 0, grids_.size()});
    verdictOnly_ = cuts == nullptr;
    lost_ = false;
    stages = 0;
    char axis = firstAxis;
    bool cutBefore = true;
    parts_.front().finished = Finished(parts_.front());
    while (true) {
      next_.clear();
      nextGrids_.clear();
      bool cut = false;
      for (const Part& part : parts_) {
        if (part.finished) continue;
        FindPositions(part, axis);
        if (positions_.empty()) {
          next_.push_back(
              Part{part.box, nextGrids_.size(), nextGrids_.size() + part.Size(), false});
          nextGrids_.insert(nextGrids_.end(), grids_.begin() + std::ptrdiff_t(part.begin),
                            grids_.begin() + std::ptrdiff_t(part.end));
          continue;
        }
        CutPart(part, axis, stages + 1, cuts);
        if (lost_) return false;
        cut = true;
      }
      if (cut) stages += 1;
      std::swap(parts_, next_);
      std::swap(grids_, nextGrids_);
      bool allFinished = true;
      for (Part& part : parts_) {
        part.finished = Finished(part);
        allFinished = allFinished && part.finished;
      }
      if (allFinished) return true;
      // Two stages in a row without a cut: what is left cannot be cut either way.
      if (!cut && !cutBefore) return false;
      cutBefore = cut;
      axis = axis == 'Y' ? 'X' : 'Y';
    }
  }

 private:
  static Box BoxOf(const AreaRecord& a) { return {a.XS, a.YS, a.XE, a.YE}; }

  void Clear() {
    outline_ = Box{};
    across_.clear();
    along_.clear();
    loaded_.clear();
  }

  // The grid of the nx x ny pieces from first on, row by row: its edges across are those of
  // the first row, its edges along those of the first column.
  void AddGrid(const AreaRecord* first, size_t nx, size_t ny) {
    PieceGrid grid;
    grid.x0 = uint32_t(across_.size());
    for (size_t i = 0; i < nx; ++i) across_.push_back(first[i].XS);
    across_.push_back(first[nx - 1].XE);
    grid.x1 = uint32_t(across_.size() - 1);
    grid.y0 = uint32_t(along_.size());
    for (size_t j = 0; j < ny; ++j) along_.push_back(first[j * nx].YS);
    along_.push_back(first[(ny - 1) * nx].YE);
    grid.y1 = uint32_t(along_.size() - 1);
    grid.thick = Thick(grid);
    loaded_.push_back(grid);
  }

  // The grid's edges on the axis: [first, last], one more than its pieces that way.
  const double* FirstEdge(const PieceGrid& g, char axis) const {
    return axis == 'Y' ? &along_[g.y0] : &across_[g.x0];
  }
  size_t Count(const PieceGrid& g, char axis) const {
    return axis == 'Y' ? g.y1 - g.y0 : g.x1 - g.x0;
  }
  Box BoxOf(const PieceGrid& g) const {
    return {across_[g.x0], along_[g.y0], across_[g.x1], along_[g.y1]};
  }

  bool Thick(const PieceGrid& g) const {
    for (const char axis : {'X', 'Y'}) {
      const double* edge = FirstEdge(g, axis);
      for (size_t i = 0; i < Count(g, axis); ++i) {
        if (!(edge[i + 1] - edge[i] > 2 * kCutTolerance)) return false;
      }
    }
    return true;
  }

  // The part's grids lie side by side along the axis, inside the part, none overlapping
  // another, each reaching from one edge of the part to the opposite one the other way.
  bool SideBySide(const Part& part, char axis) {
    const char other = axis == 'Y' ? 'X' : 'Y';
    const auto first = grids_.begin() + std::ptrdiff_t(part.begin);
    const auto last = grids_.begin() + std::ptrdiff_t(part.end);
    for (auto g = first; g != last; ++g) {
      const Box box = BoxOf(*g);
      if (!Near(Low(box, other), Low(part.box, other)) ||
          !Near(High(box, other), High(part.box, other)) ||
          !(Low(box, axis) > Low(part.box, axis) - kCutTolerance) ||
          !(High(box, axis) < High(part.box, axis) + kCutTolerance)) {
        return false;
      }
    }
    std::sort(first, last, [&](const PieceGrid& a, const PieceGrid& b) {
      return Low(BoxOf(a), axis) < Low(BoxOf(b), axis);
    });
    for (auto g = first; g + 1 < last; ++g) {
      if (High(BoxOf(*g), axis) > Low(BoxOf(*(g + 1)), axis)) return false;
    }
    return true;
  }

  // Whether the part needs no more cuts: it holds no piece, or one piece that is the part.
  // When only the verdict is wanted, also a part whose grids of thick pieces lie side by side:
  // cuts along all their lines take it apart into its pieces, in a stage or two, so the
  // verdict is the same and the pieces of large blocks are never cut apart one by one.
  bool Finished(const Part& part) {
    if (part.Size() == 0) return true;  // waste
    const PieceGrid& g = grids_[part.begin];
    if (part.Size() == 1 && g.x1 - g.x0 == 1 && g.y1 - g.y0 == 1 && SameBox(BoxOf(g), part.box)) {
      return true;
    }
    if (!verdictOnly_) return false;
    for (size_t k = part.begin; k < part.end; ++k) {
      if (!grids_[k].thick) return false;
    }
    return SideBySide(part, 'X') || SideBySide(part, 'Y');
  }

  // Where the part can be cut on the axis, into positions_: every edge of a piece inside the
  // part that no piece straddles, in order. Each line of the part's grids is taken with the
  // far end of the span of pieces that starts there; with the lines in order, the farthest
  // end of the spans starting before an edge tells whether one straddles it.
  void FindPositions(const Part& part, char axis) {
    lines_.clear();
    runEnds_.clear();
    for (size_t k = part.begin; k < part.end; ++k) {
      const double* edge = FirstEdge(grids_[k], axis);
      const size_t n = Count(grids_[k], axis);
      for (size_t i = 0; i < n; ++i) lines_.emplace_back(edge[i], edge[i + 1]);
      lines_.emplace_back(edge[n], -std::numeric_limits<double>::infinity());
      runEnds_.push_back(lines_.size());
    }
    SortLines();
    positions_.clear();
    auto next = lines_.begin();
    double reach = -std::numeric_limits<double>::infinity();
    for (const auto& [edge, spanEnd] : lines_) {
      if (!(edge > Low(part.box, axis) + kCutTolerance &&
            edge < High(part.box, axis) - kCutTolerance)) {
        continue;
      }
      if (!positions_.empty() && Near(positions_.back(), edge)) continue;
      for (; next != lines_.end() && next->first < edge - kCutTolerance; ++next) {
        reach = std::max(reach, next->second);
      }
      if (!(reach > edge + kCutTolerance)) positions_.push_back(edge);
    }
  }

  // Each grid's lines are in order already: the runs are merged, two by two.
  void SortLines() {
    const auto byLine = [](const auto& a, const auto& b) { return a.first < b.first; };
    while (runEnds_.size() > 1) {
      merged_.resize(lines_.size());
      mergedEnds_.clear();
      for (size_t r = 0; r < runEnds_.size(); r += 2) {
        const auto first = lines_.begin() + std::ptrdiff_t(r == 0 ? 0 : runEnds_[r - 1]);
        const auto middle = lines_.begin() + std::ptrdiff_t(runEnds_[r]);
        const auto last =
            r + 1 < runEnds_.size() ? lines_.begin() + std::ptrdiff_t(runEnds_[r + 1]) : middle;
        std::merge(first, middle, middle, last, merged_.begin() + (first - lines_.begin()), byLine);
        mergedEnds_.push_back(size_t(last - lines_.begin()));
      }
      std::swap(lines_, merged_);
      std::swap(runEnds_, mergedEnds_);
    }
  }

  // Cuts the part at positions_, in order, into the parts between them, appended to next_. A
  // piece goes to the part its middle lies in, so a grid is cut into runs of its pieces; a
  // piece whose middle lies on a cut is lost.
  void CutPart(const Part& part, char axis, int stage, std::vector<SawCut>* cuts) {
    const Box b = part.box;
    if (cuts) {
      for (const double position : positions_) {
        cuts->push_back(axis == 'Y' ? SawCut{axis, position, b.xs, b.xe, stage}
                                    : SawCut{axis, position, b.ys, b.ye, stage});
      }
    }
    const size_t slices = positions_.size() + 1;
    const auto sliceOf = [&](double middle) {
      const size_t i = size_t(std::lower_bound(positions_.begin(), positions_.end(), middle) -
                              positions_.begin());
      const double low = i == 0 ? Low(b, axis) : positions_[i - 1];
      const double high = i < positions_.size() ? positions_[i] : High(b, axis);
      return middle > low && middle < high ? i : slices;
    };
    runs_.clear();
    counts_.assign(slices, 0);
    for (size_t k = part.begin; k < part.end; ++k) {
      const PieceGrid& g = grids_[k];
      const double* edge = FirstEdge(g, axis);
      const size_t n = Count(g, axis);
      size_t runStart = 0;
      size_t runSlice = sliceOf((edge[0] + edge[1]) / 2);
      for (size_t i = 1; i <= n; ++i) {
        const size_t slice = i < n ? sliceOf((edge[i] + edge[i + 1]) / 2) : slices + 1;
        if (slice == runSlice) continue;
        if (runSlice == slices) {
          lost_ = true;
          return;
        }
        PieceGrid run = g;
        (axis == 'Y' ? run.y0 : run.x0) += uint32_t(runStart);
        (axis == 'Y' ? run.y1 : run.x1) = (axis == 'Y' ? g.y0 : g.x0) + uint32_t(i);
        runs_.emplace_back(runSlice, run);
        counts_[runSlice] += 1;
        runStart = i;
        runSlice = slice;
      }
    }
    // The runs gathered slice by slice, each slice a part.
    size_t start = nextGrids_.size();
    for (size_t& count : counts_) {
      const size_t n = count;
      count = start;
      start += n;
    }
    nextGrids_.resize(start);
    double low = Low(b, axis);
    for (size_t i = 0; i < slices; ++i) {
      const double high = i < positions_.size() ? positions_[i] : High(b, axis);
      const Box box = axis == 'Y' ? Box{b.xs, low, b.xe, high} : Box{low, b.ys, high, b.ye};
      next_.push_back(Part{box, counts_[i], counts_[i], false});
      low = high;
    }
    for (const auto& [slice, run] : runs_) {
      nextGrids_[next_[next_.size() - slices + slice].end++] = run;
    }
  }

  Box outline_;
  std::vector<double> across_;  // the grids' edges, each grid's in order
  std::vector<double> along_;
  std::vector<PieceGrid> loaded_;
  std::vector<PieceGrid> grids_;  // of the stage's parts
  std::vector<PieceGrid> nextGrids_;
  std::vector<Part> parts_;
  std::vector<Part> next_;
  bool verdictOnly_ = false;
  bool lost_ = false;
  std::vector<std::pair<double, double>> lines_;  // and where the span from each ends
  std::vector<size_t> runEnds_;
  std::vector<std::pair<double, double>> merged_;
  std::vector<size_t> mergedEnds_;
  std::vector<double> positions_;
  std::vector<std::pair<size_t, PieceGrid>> runs_;
  std::vector<size_t> counts_;
};

CutSequence Derive(Cutter& cutter, char firstAxis) {
  CutSequence sequence;
  sequence.separable = cutter.Separate(firstAxis, &sequence.cuts, sequence.stages);
  if (!sequence.separable) {
    sequence.cuts.clear();
    sequence.stages = 0;
  }
  return sequence;
}

std::string Millimetres(double value) { return CutNumber(value) + " mm"; }

}  // namespace

double CutSequence::Length() const {
  double length = 0;
  for (const SawCut& cut : cuts) length += std::fabs(cut.to - cut.from);
  return length;
}

CutSequence DeriveCutSequence(const std::vector<AreaRecord>& layout) {
  Cutter cutter;
  cutter.LoadPieces(layout);
  CutSequence across = Derive(cutter, 'Y');
  CutSequence along = Derive(cutter, 'X');
  const bool alongFirst =
      along.separable &&
      (!across.separable || along.stages < across.stages ||
       (along.stages == across.stages && along.cuts.size() < across.cuts.size()));
  CutSequence& chosen = alongFirst ? along : across;
  chosen.width = cutter.Outline().xe - cutter.Outline().xs;
  chosen.length = cutter.Outline().ye - cutter.Outline().ys;
  return chosen;
}

bool SeparableByThroughCuts(const CandidateLayout& candidate) {
  // Each engine thread keeps its own buffers.
  thread_local Cutter cutter;
  cutter.LoadBlocks(candidate);
  int stages = 0;
  if (cutter.Separate('Y', nullptr, stages)) return true;
  return !cutter.Exact() && cutter.Separate('X', nullptr, stages);
}

std::vector<std::pair<int16_t, CutSequence>> DeriveCutSequences(const AreaList& records) {
  std::vector<std::pair<int16_t, CutSequence>> sequences;
  std::vector<AreaRecord> layout;
  for (size_t k = 1; k <= records.size(); ++k) {
    if (!layout.empty() && (k == records.size() || records[k].layout != layout.front().layout)) {
      sequences.emplace_back(layout.front().layout, DeriveCutSequence(layout));
      if (layout.front().repeat > 0) sequences.back().second.repeat = layout.front().repeat;
      layout.clear();
    }
    if (k < records.size()) layout.push_back(records[k]);
  }
  return sequences;
}

std::string CutNumber(double value) {
  const double rounded = std::round(value * 1000) / 1000;
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded,
                                 std::chars_format::fixed, 3)
                       .ptr;
  std::string number(text, end);
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') number.pop_back();
  return number;
}

std::string CutSequenceCsv(const std::vector<std::pair<int16_t, CutSequence>>& sequences) {
  std::string csv = "layout,step,axis,position,from,to\n";
  for (const auto& [layout, sequence] : sequences) {
    int step = 0;
    for (const SawCut& cut : sequence.cuts) {
      csv += std::to_string(layout) + "," + std::to_string(++step) + "," + cut.axis + "," +
             CutNumber(cut.position) + "," + CutNumber(cut.from) + "," + CutNumber(cut.to) + "\n";
    }
  }
  return csv;
}

std::string CutSequenceText(const std::vector<std::pair<int16_t, CutSequence>>& sequences,
                            bool planFigures) {
  std::string text, inseparable;
  double planCuts = 0, planLength = 0;
  int planStages = 0;
  for (const auto& [layout, sequence] : sequences) {
    text += "Layout " + std::to_string(layout);
    if (!sequence.separable) {
      text +=
          ": cannot be separated by straight through-cuts.\n"
          "Its blocks lock into each other: it needs a machine that can stop a cut inside "
          "the sheet.\n\n";
      inseparable += (inseparable.empty() ? "" : ", ") + std::to_string(layout);
      continue;
    }
    planCuts += sequence.repeat * double(sequence.cuts.size());
    planLength += sequence.repeat * sequence.Length();
    planStages = std::max(planStages, sequence.stages);
    text += ": " + std::to_string(sequence.cuts.size()) + " cuts, cut length " +
            Millimetres(sequence.Length()) + ", " + std::to_string(sequence.stages) +
            (sequence.stages == 1 ? " stage\n" : " stages\n");
    int step = 0;
    for (const SawCut& cut : sequence.cuts) {
      const bool across = cut.axis == 'Y';
      const double full = across ? sequence.width : sequence.length;
      text += "Cut " + std::to_string(++step) + ": " + (across ? "across" : "along") + " at " +
              Millimetres(cut.position) + ", ";
      if (Near(cut.from, 0) && Near(cut.to, full)) {
        text += (across ? "full width " : "full length ") + Millimetres(full);
      } else {
        text += "from " + CutNumber(cut.from) + " to " + Millimetres(cut.to) + " (" +
                Millimetres(cut.to - cut.from) + ")";
      }
      text += ", stage " + std::to_string(cut.stage) + "\n";
    }
    text += "\n";
  }
  if (!planFigures || sequences.empty()) return text;
  text += "Plan: " + CutNumber(planCuts) + " cuts, cut length " + Millimetres(planLength) +
          ", at most " + std::to_string(planStages) + (planStages == 1 ? " stage" : " stages") +
          ", every layout counted as often as it is cut\n";
  if (!inseparable.empty()) {
    text += (inseparable.find(',') == std::string::npos ? "Layout " : "Layouts ") + inseparable +
            " not counted: straight through-cuts cannot separate them.\n";
  }
  return text;
}

}  // namespace trimora
