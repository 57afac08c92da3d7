#pragma once
// The library files (mlm.dat, plm.dat, products.lst) as lists of records: read whole, built
// from a grid, and written back as table-file text.

#include <string>
#include <vector>

#include "storage/grid.h"

namespace trimora {

using LibraryRecord = std::vector<std::string>;

// The file's records, one per line, each with exactly fieldCount fields (a short line leaves
// its missing fields empty, extra fields are dropped). Empty when the file does not exist.
std::vector<LibraryRecord> ReadLibraryRecords(const std::string& file, size_t fieldCount);

// The data rows of the grid, columns 1 onwards, in row order, blank rows included.
std::vector<LibraryRecord> GridRecords(const Grid& grid);

// Table-file text of the records: each record with a non-blank field becomes one line of its
// trimmed fields in double quotes, joined by commas and ended by CR LF; blank records are
// dropped.
std::string LibraryFileText(const std::vector<LibraryRecord>& records);

}  // namespace trimora
