#pragma once
// The plan of an optimized job for other software: one record per placed piece, per off-cut
// and per saw cut, as CSV, or as JSON together with the job's stock, demand and totals.
//
// Sizes are those the user typed, the kerf removed. Positions are in the layout's own system,
// as the layout records hold them: X across the stock's WIDTH, Y along its LENGTH, the roll
// outline's corner at 0,0. A record's x and y are its corner nearest the origin, its length
// runs along Y and its width along X; a piece is rotated when its typed LENGTH runs across
// the stock. Numbers have "." as the decimal point whatever the locale; text, which the
// program keeps in Latin-1, is written as UTF-8.

#include <string>
#include <vector>

#include "results/offcuts.h"
#include "results/results_model.h"
#include "storage/grid.h"

namespace trimora {

// A placed piece or an off-cut at its place, as every export of the plan gives it.
struct PlanItem {
  float x = 0;
  float y = 0;
  float length = 0;                // along Y, kerf removed
  float width = 0;                 // along X, kerf removed
  const CutRecord* cut = nullptr;  // the piece's cut-piece line; none for an off-cut
  bool rotated = false;            // the typed LENGTH runs across the stock
  bool scrap = false;
};

// ReadCuts puts the longer side first; the typed cells of cutGrid tell whether the user did.
bool TypedShorterFirst(const Grid& cutGrid, const CutRecord& cut);

// The piece of record r as typed at its place: the record carries the kerf on its far sides
// only, so its near corner is the piece's.
PlanItem PieceItem(const AreaRecord& r, const CutRecord& cut, const Grid& cutGrid);

// An off-cut row's sizes put back on their axes: the off-cut table exchanged them where the
// area is wider than it is long.
PlanItem OffcutItem(const OffcutRow& row, float kerf);

// Both exports take a model BuildResultsModel made ready, its off-cut rows as DeriveOffcuts
// gives them (the off-cut table's rows), and the Cut-Piece grid the model's cut list was read
// from (LoadTableGrid(CutPieceTable())): the list keeps the longer side first, the typed cells
// say which way round the user entered each piece.

// A header row, then layout by layout a row per placed piece (in record order), a row per
// off-cut (in the off-cut table's order) and a row per straight through-cut in cutting order
// (a line from x, y running width across or length along; none where the layout cannot be
// separated so); "\n" after every row.
std::string PlanExportCsv(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                          const Grid& cutGrid);

// One JSON object: "job" (model.jobFileName without its folder), "units", "stock", "demand",
// "layouts" with their pieces, off-cuts and cut sequence, and "totals" as the program reports
// them.
std::string PlanExportJson(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                           const Grid& cutGrid);

}  // namespace trimora
