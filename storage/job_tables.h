#pragma once
// The job tables: the table file each is kept in and its data columns, in order.

#include <string>
#include <string_view>
#include <vector>

#include "storage/grid.h"

namespace trimora {

struct TableDefinition {
  std::string_view file;
  std::vector<std::string_view> columns;  // data columns 1 .. n
};

const TableDefinition& BasicDetailsTable();        // basic.tlf
const TableDefinition& RollSpecificationsTable();  // sheet.tlf
const TableDefinition& CutPieceTable();            // cut.tlf

// An empty grid for the table: header row of tags, "Sr No" in column 0, bound to its file,
// one blank entry row.
Grid MakeTableGrid(const TableDefinition& table);

// A grid for the table filled from its table file in the working directory.
Grid LoadTableGrid(const TableDefinition& table);

}  // namespace trimora
