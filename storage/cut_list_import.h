#pragma once
// A cut list from a spreadsheet, saved as CSV, turned into rows of the cut table. The header row
// names the columns: LENGTH, WIDTH and QTY, and any of ORN, DESCRIPTION, PARTY and SITE, in any
// order and case; other columns are ignored. Fields are separated by commas, or by semicolons
// when the header holds more of them, and may be quoted ("" inside quotes is one quote). Every
// field must be what typing it into its column of the Cut-Piece Measurement window gives.

#include <string>
#include <vector>

namespace trimora {

// A row the import left out, with its line in the file (from 1) and why.
struct RefusedCutRow {
  int line = 0;
  std::string reason;  // "WIDTH must be a number of 0 or more."
  friend bool operator==(const RefusedCutRow&, const RefusedCutRow&) = default;
};

struct CutListImport {
  // Why the file as a whole was not read ("no such file", "the header row has no QTY column");
  // "" when it was. With an error there are no rows.
  std::string error;
  // The accepted rows, each the texts of CutPieceTable()'s columns, in file order.
  std::vector<std::vector<std::string>> rows;
  std::vector<RefusedCutRow> refused;
};

// Reads the file, which must be a regular file of at most 64 MB, as ReadLines does. Empty lines,
// and rows whose fields are all blank, are skipped.
CutListImport ImportCutList(const std::string& path);

// "Line 7: WIDTH must be a number of 0 or more."
std::string RefusalText(const RefusedCutRow& row);

// What the user is told after an import: how many rows were taken, then each refused row, the
// list shortened after its first lines.
std::string ImportSummary(const CutListImport& import);

// Appends the rows after the records of the cut table file (cut.tlf in the working directory),
// replacing it safely. Answers false, with the file unchanged and error (when given) saying why,
// when it cannot be read or written.
bool AppendToCutTable(const std::vector<std::vector<std::string>>& rows,
                      std::string* error = nullptr);

}  // namespace trimora
