#include "engine/cut_sequence.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace trimora {

namespace {

struct Box {
  double xs = 0;
  double ys = 0;
  double xe = 0;
  double ye = 0;
};

// A part of stock still to be cut, and the pieces that lie in it.
struct Part {
  Box box;
  std::vector<Box> pieces;
};

bool Near(double a, double b) { return std::fabs(a - b) < kCutTolerance; }

bool Finished(const Part& part) {
  if (part.pieces.empty()) return true;  // waste
  if (part.pieces.size() > 1) return false;
  const Box& p = part.pieces.front();
  const Box& b = part.box;
  return Near(p.xs, b.xs) && Near(p.ys, b.ys) && Near(p.xe, b.xe) && Near(p.ye, b.ye);
}

// The low and high edge of a box along the cut's axis: a 'Y' cut lies at some y.
double Low(const Box& b, char axis) { return axis == 'Y' ? b.ys : b.xs; }
double High(const Box& b, char axis) { return axis == 'Y' ? b.ye : b.xe; }

// Where the part can be cut on the axis: every edge of a piece inside the part that no piece
// straddles, in order.
std::vector<double> CutPositions(const Part& part, char axis) {
  std::vector<double> edges;
  for (const Box& p : part.pieces) {
    for (const double edge : {Low(p, axis), High(p, axis)}) {
      if (edge > Low(part.box, axis) + kCutTolerance &&
          edge < High(part.box, axis) - kCutTolerance) {
        edges.push_back(edge);
      }
    }
  }
  std::sort(edges.begin(), edges.end());
  std::vector<double> positions;
  for (const double edge : edges) {
    if (!positions.empty() && Near(positions.back(), edge)) continue;
    const bool straddled = std::any_of(part.pieces.begin(), part.pieces.end(), [&](const Box& p) {
      return Low(p, axis) < edge - kCutTolerance && High(p, axis) > edge + kCutTolerance;
    });
    if (!straddled) positions.push_back(edge);
  }
  return positions;
}

// Cuts the part at the positions, in order, into the parts between them.
void CutPart(const Part& part, char axis, const std::vector<double>& positions, int stage,
             std::vector<SawCut>& cuts, std::vector<Part>& parts) {
  const Box& b = part.box;
  for (const double position : positions) {
    cuts.push_back(axis == 'Y' ? SawCut{axis, position, b.xs, b.xe, stage}
                               : SawCut{axis, position, b.ys, b.ye, stage});
  }
  double low = Low(b, axis);
  for (size_t i = 0; i <= positions.size(); ++i) {
    const double high = i < positions.size() ? positions[i] : High(b, axis);
    Part slice;
    slice.box = axis == 'Y' ? Box{b.xs, low, b.xe, high} : Box{low, b.ys, high, b.ye};
    for (const Box& p : part.pieces) {
      const double middle = (Low(p, axis) + High(p, axis)) / 2;
      if (middle > low && middle < high) slice.pieces.push_back(p);
    }
    parts.push_back(std::move(slice));
    low = high;
  }
}

// Stage by stage, every part cut at every place it can be on the stage's axis: each cut only
// adds places to cut, so this takes the fewest stages for the axis it starts with. A piece
// thinner than the tolerance is never a part of its own, which makes the layout inseparable.
CutSequence Derive(const Part& whole, char firstAxis) {
  CutSequence sequence;
  std::vector<Part> parts{whole};
  char axis = firstAxis;
  bool cutBefore = true;
  size_t piecesFreed = 0;
  while (true) {
    std::vector<Part> next;
    bool cut = false;
    for (const Part& part : parts) {
      if (Finished(part)) {
        piecesFreed += part.pieces.size();
        continue;
      }
      const std::vector<double> positions = CutPositions(part, axis);
      if (positions.empty()) {
        next.push_back(part);
        continue;
      }
      CutPart(part, axis, positions, sequence.stages + 1, sequence.cuts, next);
      cut = true;
    }
    if (cut) sequence.stages += 1;
    if (std::all_of(next.begin(), next.end(), Finished)) {
      for (const Part& part : next) piecesFreed += part.pieces.size();
      break;
    }
    // Two stages in a row without a cut: what is left cannot be cut either way.
    if (!cut && !cutBefore) {
      sequence.cuts.clear();
      sequence.stages = 0;
      return sequence;
    }
    cutBefore = cut;
    parts = std::move(next);
    axis = axis == 'Y' ? 'X' : 'Y';
  }
  if (piecesFreed != whole.pieces.size()) {
    sequence.cuts.clear();
    sequence.stages = 0;
    return sequence;
  }
  sequence.separable = true;
  return sequence;
}

Box BoxOf(const AreaRecord& a) { return {a.XS, a.YS, a.XE, a.YE}; }

std::string Millimetres(double value) { return CutNumber(value) + " mm"; }

}  // namespace

double CutSequence::Length() const {
  double length = 0;
  for (const SawCut& cut : cuts) length += std::fabs(cut.to - cut.from);
  return length;
}

CutSequence DeriveCutSequence(const std::vector<AreaRecord>& layout) {
  Part whole;
  for (const AreaRecord& a : layout) {
    if (a.TYPE == kRollOutline) whole.box = BoxOf(a);
    if (a.TYPE > 0) whole.pieces.push_back(BoxOf(a));
  }
  CutSequence across = Derive(whole, 'Y');
  CutSequence along = Derive(whole, 'X');
  const bool alongFirst =
      along.separable &&
      (!across.separable || along.stages < across.stages ||
       (along.stages == across.stages && along.cuts.size() < across.cuts.size()));
  CutSequence& chosen = alongFirst ? along : across;
  chosen.width = whole.box.xe - whole.box.xs;
  chosen.length = whole.box.ye - whole.box.ys;
  return chosen;
}

std::vector<std::pair<int16_t, CutSequence>> DeriveCutSequences(const AreaList& records) {
  std::vector<std::pair<int16_t, CutSequence>> sequences;
  std::vector<AreaRecord> layout;
  for (size_t k = 1; k <= records.size(); ++k) {
    if (!layout.empty() && (k == records.size() || records[k].layout != layout.front().layout)) {
      sequences.emplace_back(layout.front().layout, DeriveCutSequence(layout));
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

std::string CutSequenceText(const std::vector<std::pair<int16_t, CutSequence>>& sequences) {
  std::string text;
  for (const auto& [layout, sequence] : sequences) {
    text += "Layout " + std::to_string(layout);
    if (!sequence.separable) {
      text += ": cannot be separated by straight through-cuts.\n\n";
      continue;
    }
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
  return text;
}

}  // namespace trimora
