#include "storage/job_tables.h"

#include "storage/table_file.h"

namespace trimora {

const TableDefinition& BasicDetailsTable() {
  static const TableDefinition table{
      "basic.tlf", {"MAT", "GRADE", "THICK", "BLADE", "MINCUT", "KERF", "NOTE"}};
  return table;
}

const TableDefinition& RollSpecificationsTable() {
  static const TableDefinition table{
      "sheet.tlf", {"LENGTH", "WIDTH", "QTY", "M(L)", "M(T)", "M(R)", "M(B)", "LOCATION"}};
  return table;
}

const TableDefinition& CutPieceTable() {
  static const TableDefinition table{
      "cut.tlf", {"LENGTH", "WIDTH", "QTY", "ORN", "DESCRIPTION", "PARTY", "SITE"}};
  return table;
}

Grid MakeTableGrid(const TableDefinition& table) {
  Grid grid;
  grid.SetColumnCount(int(table.columns.size()) + 1);
  grid.SetRowCount(2);
  grid.SetText(0, 0, "Sr No");
  for (size_t c = 0; c < table.columns.size(); ++c) {
    grid.SetText(0, int(c) + 1, std::string(table.columns[c]));
  }
  grid.SetText(1, 0, "1");
  grid.SetTag(std::string(table.file));
  return grid;
}

Grid LoadTableGrid(const TableDefinition& table) {
  Grid grid = MakeTableGrid(table);
  LoadGridFromTableFile(grid);
  return grid;
}

}  // namespace trimora
