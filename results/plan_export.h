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
