#pragma once
// The Material Library: the stock on hand, one record per size, kept in mlm.dat sorted by
// material. Its window edits a working copy (mlm.tlf); saving puts the longer side first,
// sorts by material and merges records of equal sizes into one quantity.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_editor_host.h"
#include "libraries/library_file.h"
#include "storage/grid.h"

namespace trimora {

inline constexpr const char* kMaterialLibraryFile = "mlm.dat";
inline constexpr const char* kMaterialLibraryWorkingCopy = "mlm.tlf";

// MAT, GRADE, THICK, LENGTH, WIDTH, QTY, LOCATION.
const std::vector<std::string_view>& MaterialLibraryTags();

// Exchanges LENGTH and WIDTH in every data row whose LENGTH is the smaller number; both are
// written back as plain numbers.
void PutLongerSideFirst(Grid& grid);

// The merge pass over records sorted by material. Each record with a material is compared
// with the records after it; one of the same material (exact text) whose GRADE and LOCATION
// are the same text and whose THICK, LENGTH and WIDTH are the same numbers gives its QTY to
// the first (a sum of 0 leaves QTY empty) and is emptied. Records of another material are
// passed over; an emptied record ends the scan once a record of the same material has been
// met. Emptied records stay in the list.
void MergeLibraryRecords(std::vector<LibraryRecord>& records);

// Saves the grid as the library: sorts it ascending on MAT through its working copy (the
// blank rows go), merges the sorted records and replaces mlm.dat with them only once the new
// file is complete. Answers false when mlm.dat could not be replaced.
bool SaveMaterialLibrary(Grid& grid, GridEditorHost& host);

}  // namespace trimora
