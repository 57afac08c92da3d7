#pragma once
// One layout as a DXF drawing at true size, for the programs that drive laser, plasma,
// waterjet and router tables. ASCII DXF R12 (AC1009), which every such program reads, in
// millimetres ($INSUNITS 4, $MEASUREMENT 1), in the layout's own system: X across the stock's
// width, Y along its length, the stock's corner at 0,0.
//
// Layers: STOCK the stock's outline, and a line across at the used length where the layout
// is cut back; PIECES a closed outline per placed piece, as typed and where the plan export
// puts it; OFFCUTS a closed outline per off-cut of the off-cut table; LABELS each piece's
// description and typed size where they fit inside it; CUTS the straight through-cuts along
// the middle of their kerf, each with its number in cutting order (none when the layout cannot
// be separated so). Numbers have "." as the decimal point whatever the locale. Text is in the
// drawing's code page, Windows-1252, which agrees with the program's Latin-1 on every printable
// character.

#include <string>
#include <vector>

#include "results/offcuts.h"
#include "results/results_model.h"
#include "storage/grid.h"

namespace trimora {

// Layout n (1 .. model.layouts) of a model BuildResultsModel made ready, with the off-cut rows
// DeriveOffcuts gives for it and the Cut-Piece grid its cut list was read from, as the plan
// export takes them.
std::string LayoutDxf(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                      const Grid& cutGrid, int n);

// Writes LayoutDxf to path, replacing the file only once the drawing is complete. Returns ""
// when written, otherwise why not.
std::string WriteLayoutDxf(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                           const Grid& cutGrid, int n, const std::string& path);

// The drawing's file name: the job file's name without folder and extension, "-L", n and
// ".dxf" ("demo-L3.dxf"); "layout" stands for the name of a job not saved yet.
std::string LayoutDxfName(const std::string& jobFileName, int n);

}  // namespace trimora
