#include "engine/engine_inputs.h"

#include <cmath>
#include <limits>
#include <utility>

#include "storage/job_tables.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

float Cell(const Grid& grid, int row, int column) { return LeadingSingle(grid.Text(row, column)); }

void Note(std::vector<InputNote>* notes, const char* table, int row, std::string text) {
  if (notes) notes->push_back({table, row, std::move(text)});
}

std::string Number(float value) { return NeutralNumber(value); }

void ReadRolls(const Grid& grid, float blade, RollList& rolls, std::vector<InputNote>* notes) {
  rolls.assign(1, RollRecord{});
  for (int row = 1; row <= grid.RowCount() - 2; ++row) {
    RollRecord& roll = rolls[0];
    roll.LENGTH = Cell(grid, row, 1);
    roll.WIDTH = Cell(grid, row, 2);
    roll.QTY = Cell(grid, row, 3);
    roll.ML = Cell(grid, row, 4);
    roll.MT = Cell(grid, row, 5);
    roll.MR = Cell(grid, row, 6);
    roll.MB = Cell(grid, row, 7);
    roll.LOCATION = grid.Text(row, 8);
    roll.row = row;

    if (roll.QTY == 0) roll.QTY = kUnlimitedQty;
    // Only whole sheets can be cut; a fraction of a sheet is no sheet.
    const float wholeQty = std::trunc(roll.QTY);
    if (wholeQty != roll.QTY) {
      Note(notes, "sheet", row, "QTY " + Number(roll.QTY) + " taken as " + Number(wholeQty));
      roll.QTY = wholeQty;
    }
    if (roll.LENGTH < roll.WIDTH) std::swap(roll.LENGTH, roll.WIDTH);

    const char* reason = nullptr;
    if (!(roll.LENGTH - (roll.MT + roll.MB) > 0)) {
      reason = "dropped: no usable length inside the margins M(T) and M(B)";
    } else if (!(roll.WIDTH - (roll.ML + roll.MR) > 0)) {
      reason = "dropped: no usable width inside the margins M(L) and M(R)";
    } else if (!(roll.QTY > 0)) {
      reason = "dropped: QTY below one sheet";
    } else if (!(blade >= roll.WIDTH)) {
      reason = kRollWiderThanBlade;
    }
    if (reason) {
      Note(notes, "sheet", row, reason);
      continue;
    }
    rolls.push_back(roll);
  }
}

void ReadCuts(const Grid& grid, CutList& cuts, std::vector<InputNote>* notes) {
  cuts.assign(1, CutRecord{});
  for (int row = 1; row <= grid.RowCount() - 2; ++row) {
    CutRecord& cut = cuts[0];
    cut.row = row;
    cut.LENGTH = Cell(grid, row, 1);
    cut.WIDTH = Cell(grid, row, 2);
    cut.QTY = Cell(grid, row, 3);
    cut.ORN = Cell(grid, row, 4);
    cut.DESCRIPTION = grid.Text(row, 5);
    cut.PARTY = grid.Text(row, 6);
    cut.SITE = grid.Text(row, 7);

    // A fractional demand could never be booked by whole repeats: round it up.
    const float wholeQty = std::ceil(cut.QTY);
    if (wholeQty != cut.QTY) {
      Note(notes, "cut", row, "QTY " + Number(cut.QTY) + " taken as " + Number(wholeQty));
      cut.QTY = wholeQty;
    }
    if (cut.LENGTH < cut.WIDTH) std::swap(cut.LENGTH, cut.WIDTH);

    const char* reason = nullptr;
    if (!(cut.LENGTH > 0)) {
      reason = "LENGTH not above 0";
    } else if (!(cut.WIDTH > 0)) {
      reason = "WIDTH not above 0";
    } else if (!(cut.QTY > 0)) {
      reason = "QTY not above 0";
    }
    if (reason) {
      Note(notes, "cut", row, std::string("dropped: ") + reason);
      continue;
    }
    cuts.push_back(cut);
  }
}

}  // namespace

int16_t ModeOf(const OptimizeOptions& options) {
  int16_t mode = 0;
  if (options.maximumYield) mode = 1;
  if (options.minimumLayouts) mode = 2;
  return mode;
}

void ReadEngineInputs(const Grid& basicGrid, const Grid& sheetGrid, const Grid& cutGrid,
                      const OptimizeOptions& options, BasicDetails& basic, RollList& rolls,
                      CutList& cuts, int16_t& mode, std::vector<InputNote>* notes) {
  basic.MAT = basicGrid.Text(1, 1);
  basic.GRADE = basicGrid.Text(1, 2);
  basic.THICK = Cell(basicGrid, 1, 3);
  basic.BLADE = Cell(basicGrid, 1, 4);
  basic.MINCUT = Cell(basicGrid, 1, 5);
  basic.KERF = Cell(basicGrid, 1, 6);
  basic.NOTE = basicGrid.Text(1, 7);

  ReadRolls(sheetGrid, basic.BLADE, rolls, notes);
  ReadCuts(cutGrid, cuts, notes);
  mode = ModeOf(options);
}

void ReadEngineInputsFromTables(BasicDetails& basic, RollList& rolls, CutList& cuts, int16_t& mode,
                                std::vector<InputNote>* notes) {
  ReadEngineInputs(LoadTableGrid(BasicDetailsTable()), LoadTableGrid(RollSpecificationsTable()),
                   LoadTableGrid(CutPieceTable()), ReadOptionsFile(), basic, rolls, cuts, mode,
                   notes);
}

std::string ApplyBladeReachAndCheck(BasicDetails& basic, const RollList& rolls,
                                    const CutList& cuts) {
  basic.BLADE = basic.BLADE + basic.KERF;
  if (basic.BLADE == 0) return std::string("Wrong BLADE specfied.\n") + kBladeAndKerfHint;
  if (RecordCount(rolls) <= 0) return kNoValidSheets;
  if (RecordCount(cuts) <= 0) return "No valid CUT-PIECES specfied.";
  return "";
}

std::string CheckSizes(const BasicDetails& typed, const RollList& rolls, const CutList& cuts) {
  const auto within = [](float value, float largest) { return value >= 0 && value <= largest; };
  const std::string range = " must be a number from 0 to 16777216.";
  const float anyFinite = std::numeric_limits<float>::max();
  const std::string hint = std::string("\n") + kBladeAndKerfHint;
  if (!within(typed.MINCUT, anyFinite)) return "MINCUT must be a number from 0 up." + hint;
  if (!within(typed.KERF, kLargestSize)) return "KERF" + range + hint;
  for (size_t i = 1; i < rolls.size(); ++i) {
    const RollRecord& r = rolls[i];
    const std::pair<const char*, float> fields[] = {{"LENGTH", r.LENGTH}, {"WIDTH", r.WIDTH},
                                                    {"M(L)", r.ML},       {"M(T)", r.MT},
                                                    {"M(R)", r.MR},       {"M(B)", r.MB}};
    for (const auto& [name, value] : fields) {
      if (!within(value, kLargestSize)) {
        return "Sheet line " + std::to_string(r.row) + ": " + name + range;
      }
    }
  }
  for (size_t i = 1; i < cuts.size(); ++i) {
    const CutRecord& c = cuts[i];
    for (const auto& [name, value] : {std::pair{"LENGTH", c.LENGTH}, std::pair{"WIDTH", c.WIDTH}}) {
      if (!within(value, kLargestSize)) {
        return "Cut-piece line " + std::to_string(c.row) + ": " + name + range;
      }
    }
  }
  return "";
}

void AddKerf(RollList& rolls, CutList& cuts, float kerf) {
  if (kerf == 0) return;
  for (size_t i = 1; i < rolls.size(); ++i) {
    rolls[i].LENGTH = rolls[i].LENGTH + kerf;
    rolls[i].WIDTH = rolls[i].WIDTH + kerf;
  }
  for (size_t i = 1; i < cuts.size(); ++i) {
    cuts[i].LENGTH = cuts[i].LENGTH + kerf;
    cuts[i].WIDTH = cuts[i].WIDTH + kerf;
  }
}

void RemoveKerf(RollList& rolls, CutList& cuts, float kerf) {
  if (kerf == 0) return;
  for (size_t i = 1; i < rolls.size(); ++i) {
    rolls[i].LENGTH = rolls[i].LENGTH - kerf;
    rolls[i].WIDTH = rolls[i].WIDTH - kerf;
  }
  for (size_t i = 1; i < cuts.size(); ++i) {
    cuts[i].LENGTH = cuts[i].LENGTH - kerf;
    cuts[i].WIDTH = cuts[i].WIDTH - kerf;
  }
}

}  // namespace trimora
