#pragma once
// How the saw takes a layout apart: straight through-cuts, each running from one edge of the
// part of stock it cuts to the opposite edge and never through a placed piece, until every
// piece is a part of its own. Cuts go stage by stage, every cut of a stage running the same
// way across the parts the stage before left, so the saw turns the stock as seldom as it can.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/area_list.h"
#include "engine/candidate_layout.h"

namespace trimora {

// One through-cut, in the layout's coordinates (X across the width, Y along the length, the
// roll outline's corner at 0, 0). Axis 'Y' cuts across the width at y = position, running from
// x = from to x = to; axis 'X' cuts along the length at x = position, from y = from to y = to.
struct SawCut {
  char axis = 'Y';
  double position = 0;
  double from = 0;
  double to = 0;
  int stage = 1;
};

struct CutSequence {
  // False when straight through-cuts cannot take the layout apart (some blocks lock into each
  // other like a pinwheel); there are no cuts then.
  bool separable = false;
  std::vector<SawCut> cuts;  // in cutting order
  int stages = 0;
  double width = 0;   // the roll outline's
  double length = 0;  // its used length
  double repeat = 1;  // how often the layout is cut, as its records say

  // The saw's travel: every cut's length, from its start to its end.
  double Length() const;
};

// Two edges closer than this are the same edge.
inline constexpr double kCutTolerance = 0.001;

// The sequence for one layout, given its records: the roll outline and the placed pieces
// (kerf included) count; margin strips and free areas are waste. Of the sequences that start
// across the width and those that start along the length, the one with fewer stages, then
// fewer cuts; on a tie the one that starts across, so that a roll is cut off first.
CutSequence DeriveCutSequence(const std::vector<AreaRecord>& layout);

// Whether DeriveCutSequence would find the candidate's records separable, without making its
// cuts: the check the engine runs on a finished candidate layout it would keep, when only
// through-cuts are allowed. It takes each block of the candidate, its pieces edge on edge, as
// one, cut only along the lines between them, so that it costs little however many pieces a
// block holds.
bool SeparableByThroughCuts(const CandidateLayout& candidate);

// Every layout of a plan's records, in their order: its number and its sequence, with the
// layout's repeat count.
std::vector<std::pair<int16_t, CutSequence>> DeriveCutSequences(const AreaList& records);

// One row per cut, header first: "layout,step,axis,position,from,to", numbers in "." form
// with up to 3 decimals. A layout that cannot be separated has no rows.
std::string CutSequenceCsv(const std::vector<std::pair<int16_t, CutSequence>>& sequences);

// For the person at the saw: per layout, its figures and one line per cut ("Cut 1: across at
// 600 mm, full width 1220 mm"), or that it cannot be separated; then the figures of the plan,
// every layout counted as often as it is cut, unless planFigures is false.
std::string CutSequenceText(const std::vector<std::pair<int16_t, CutSequence>>& sequences,
                            bool planFigures = true);

// A number with up to 3 decimals in "." form, whatever the locale: 600, 12.5, 0.125.
std::string CutNumber(double value);

}  // namespace trimora
