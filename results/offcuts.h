#pragma once
// The off-cut table. Every layout leaves margin strips and free areas that no piece
// uses; the derivation turns them into off-cut rows (offcut.tlf), the small ones marked as
// scrap by the limits of scrap.dat. Free areas are first cut back to the layout's used length
// and clipped against the layout's pieces and the free areas already listed, so that only
// material really left over is listed and nothing is listed twice.

#include <cstdint>
#include <string>
#include <vector>

#include "libraries/material_library.h"
#include "results/results_model.h"
#include "storage/grid.h"

namespace trimora {

inline constexpr const char* kOffcutFile = "offcut.tlf";
inline constexpr const char* kScrapFile = "scrap.dat";
inline constexpr const char* kScrapLocation = "SCRAP";

struct ScrapLimits {
  float length = 0;  // the larger of the two values of scrap.dat
  float width = 0;   // the smaller
};

// The first record of scrap.dat in the working directory (its first two fields as numbers,
// put in order); 0 and 0 when the file is missing or empty.
ScrapLimits ReadScrapLimits();

struct OffcutRow {
  int16_t layout = 0;
  float LENGTH = 0;  // >= WIDTH, thousandths rounding applied
  float WIDTH = 0;
  float QTY = 0;         // the layout's repeat count
  std::string LOCATION;  // "SCRAP" or empty
  // The area the row was made from, kerf included: a margin strip as recorded, a free area
  // after the cut-back and the clipping. Not written to offcut.tlf.
  float XS = 0, YS = 0, XE = 0, YE = 0;
};

// An off-cut is scrap when its length is at most the length limit or its width at most the
// width limit (the unrounded values are tested).
bool IsScrap(float length, float width, const ScrapLimits& limits);

// The off-cut rows of the layout records, in record order: margin strips as they are, free
// areas cut back and clipped; each area without the kerf, skipped when nothing remains.
std::vector<OffcutRow> DeriveOffcuts(const AreaList& records, float kerf,
                                     const ScrapLimits& limits);

// One row as the derivation writes it: 2,1005,5,3,"SCRAP" (no line end).
std::string OffcutLine(const OffcutRow& row);

// The whole offcut.tlf text of the rows, CR LF after each line.
std::string OffcutText(const std::vector<OffcutRow>& rows);

// The derivation as the Layouts window runs it: reads scrap.dat, writes offcut.tlf in the
// working directory. Returns false when offcut.tlf cannot be written.
bool WriteOffcutTable(const ResultsModel& model, std::string* error = nullptr);

// --- Export to the Material Library -------------------------------------------------------

// The export's file work: appends to mlm.dat (created if missing) one record MAT, GRADE,
// THICK, LENGTH, WIDTH, QTY, LOCATION per off-cut grid row 1 .. RowCount-1 (grid columns
// LAYOUT, LENGTH, WIDTH, QTY, LOCATION, the blank entry row already removed), then one
// record MAT, GRADE, THICK, LENGTH, WIDTH, -QTY, LOCATION per record of sheets.Adj (stock
// consumption; the report generator leaves that file empty). Every field in double quotes.
// mat, grade and thick are the texts of the Basic Details grid's row 1, columns 1 to 3.
// Returns false when mlm.dat cannot be written.
bool AppendExportRecords(const Grid& offcutGrid, const std::string& mat, const std::string& grade,
                         const std::string& thick, std::string* error = nullptr);

}  // namespace trimora
