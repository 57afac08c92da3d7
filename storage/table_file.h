#pragma once
// Table files: one record per line, each field in double quotes, fields joined by commas.

#include <string>
#include <string_view>
#include <vector>

#include "storage/grid.h"

namespace trimora {

// The fields of one record line in the general delimited form: a field that begins with a
// double quote runs to the next double quote; an unquoted field runs to the next comma and
// has its surrounding blanks removed. A blank line is one empty field.
std::vector<std::string> SplitRecordFields(std::string_view line);

// Text with leading and trailing blanks removed.
std::string TrimBlanks(std::string_view text);

// Writes every data row that has a non-blank cell to the grid's bound file (its tag), in row
// order, each trimmed cell in double quotes. Returns false when the file cannot be written.
bool SaveGridToTableFile(const Grid& grid);

// Fills the data rows from the bound file: one record per line (a short line leaves its
// missing cells empty, extra fields are ignored), serial numbers in column 0, and one blank
// entry row after the records. A missing file leaves just the entry row.
void LoadGridFromTableFile(Grid& grid);

}  // namespace trimora
