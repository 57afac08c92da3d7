#pragma once
// The Report window's grid holds report.tlf field by field: the table-file reader splits every
// line at its commas and trims the blanks around each part, so a report line becomes one row
// without its leading spaces and a line holding a comma is split over two rows.

#include <string>

#include "storage/grid.h"

namespace trimora {

// Fills the single data column with the fields of the file, one row each, numbered in the
// serial column, followed by one blank entry row. A missing file leaves just the entry row.
void LoadFieldsIntoRows(Grid& grid, const std::string& path);

}  // namespace trimora
