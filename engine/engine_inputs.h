#pragma once
// The three structures an optimization run works on, read from the job tables: the basic
// details record, the roll list and the cut list. Both lists are 1-based: element 0 exists
// only as scratch space and is never part of the data.

#include <cstdint>
#include <string>
#include <vector>

#include "storage/grid.h"
#include "storage/options_file.h"

namespace trimora {

struct BasicDetails {
  std::string MAT;
  std::string GRADE;
  float THICK = 0;
  float BLADE = 0;  // as entered; the run stores the blade reach (BLADE + KERF) here
  float MINCUT = 0;
  float KERF = 0;
  std::string NOTE;
};

struct RollRecord {
  float LENGTH = 0;  // the longer side; Y runs along it
  float WIDTH = 0;   // the shorter side; X runs across it
  float QTY = 0;     // kUnlimitedQty for a roll of unlimited quantity
  float ML = 0;      // M(L): left margin, at X = 0
  float MT = 0;      // M(T): top margin, at Y = 0
  float MR = 0;      // M(R): right margin, at X = WIDTH
  float MB = 0;      // M(B): bottom margin, at Y = LENGTH
  std::string LOCATION;
  int row = 0;  // the line of the Sheet grid it was read from
};

struct CutRecord {
  int row = 0;       // the line of the Cut-Piece grid it was read from
  float LENGTH = 0;  // the longer side
  float WIDTH = 0;   // the shorter side
  float QTY = 0;     // copies still required
  float ORN = 0;     // 0 either way, 1 lengthwise only, 2 crosswise only, else never placed
  std::string DESCRIPTION;
  std::string PARTY;
  std::string SITE;
};

using RollList = std::vector<RollRecord>;  // element 0 is scratch
using CutList = std::vector<CutRecord>;    // element 0 is scratch

inline constexpr float kUnlimitedQty = 9999999.0f;

inline int RecordCount(const RollList& rolls) { return int(rolls.size()) - 1; }
inline int RecordCount(const CutList& cuts) { return int(cuts.size()) - 1; }

// The run's goal: 1 "Maximum Yield", 2 "Minimum Layouts", 0 neither checked.
int16_t ModeOf(const OptimizeOptions& options);

// Why a grid row did not become a record as typed; for listings, never shown by the run.
struct InputNote {
  std::string table;  // "sheet" or "cut"
  int row = 0;        // grid row, 1-based
  std::string text;
};

// The note of a roll left out because it is wider than the blade reaches.
inline constexpr const char* kRollWiderThanBlade = "dropped: wider than the BLADE";

// Reads row 1 of the Basic Details grid and rows 1 .. RowCount-2 of the Roll Specifications
// and Cut-Piece grids (the last row is the blank entry row), normalises every row so that
// LENGTH >= WIDTH, and keeps only the rows the engine can use. Quantities become whole
// numbers: a cut's QTY is rounded up, a roll's QTY keeps its integer part after the
// unlimited rule. Notes, when asked for, say which rows were dropped or had their QTY changed.
void ReadEngineInputs(const Grid& basicGrid, const Grid& sheetGrid, const Grid& cutGrid,
                      const OptimizeOptions& options, BasicDetails& basic, RollList& rolls,
                      CutList& cuts, int16_t& mode, std::vector<InputNote>* notes = nullptr);

// The same, from basic.tlf, sheet.tlf, cut.tlf and options.tlf of the working directory,
// read exactly as the job-entry grids would be filled from them.
void ReadEngineInputsFromTables(BasicDetails& basic, RollList& rolls, CutList& cuts, int16_t& mode,
                                std::vector<InputNote>* notes = nullptr);

inline constexpr const char* kNoValidSheets = "No valid SHEETS specified.";

// Where BLADE and KERF are set, said after a start check they fail.
inline constexpr const char* kBladeAndKerfHint =
    "Set BLADE and KERF under Edit > Blade and Kerf...";

// The largest size planned exactly: single precision holds every whole number up to 2^24,
// beyond it sizes and positions round and pieces could overlap or lie outside the sheet.
inline constexpr float kLargestSize = 16777216.0f;

// The sizes a plan can be trusted with, checked after the start checks: MINCUT and KERF, and
// of every sheet and cut-piece that was read, its sizes and margins, must be numbers from 0
// (negative ones would put pieces outside the sheet or into slots too small for them) to
// kLargestSize (MINCUT: any number the reader takes). A negative BLADE never gets here: no
// sheet fits under it. Returns the first problem, naming the field and its line, or "".
std::string CheckSizes(const BasicDetails& typed, const RollList& rolls, const CutList& cuts);

// Stores the blade reach (BLADE + KERF) into basic.BLADE, then makes the start checks in
// their order. Returns the first failing check's message, or "" when the run may start.
std::string ApplyBladeReachAndCheck(BasicDetails& basic, const RollList& rolls,
                                    const CutList& cuts);

void AddKerf(RollList& rolls, CutList& cuts, float kerf);
void RemoveKerf(RollList& rolls, CutList& cuts, float kerf);

}  // namespace trimora
