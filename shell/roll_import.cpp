#include "shell/roll_import.h"

#include "storage/job_tables.h"
#include "storage/number_text.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

// mlm.dat's fields, in order.
enum LibraryField { kMat, kGrade, kThick, kLength, kWidth, kQty, kLocation, kFieldCount };

constexpr const char* kScrapLocation = "SCRAP";

}  // namespace

std::vector<LibraryRoll> FindLibraryRolls(const std::string& material, const std::string& grade,
                                          float thickness) {
  std::vector<LibraryRoll> rolls;
  const auto lines = ReadLines(kMaterialLibraryFile);
  if (!lines) return rolls;
  bool inBlock = false;
  for (const std::string& line : *lines) {
    std::vector<std::string> fields = SplitRecordFields(line);
    fields.resize(kFieldCount);
    if (fields[kMat] != material) {
      if (inBlock) break;
      continue;
    }
    inBlock = true;
    if (fields[kGrade] != grade || LeadingSingle(fields[kThick]) != thickness ||
        fields[kLocation] == kScrapLocation) {
      continue;
    }
    rolls.push_back({fields[kLength], fields[kWidth], fields[kQty], fields[kLocation]});
  }
  return rolls;
}

bool WriteImportedRolls(const std::vector<LibraryRoll>& rolls) {
  Grid grid = MakeTableGrid(RollSpecificationsTable());
  grid.SetRowCount(int(rolls.size()) + 1);
  for (size_t i = 0; i < rolls.size(); ++i) {
    const int row = int(i) + 1;
    grid.SetText(row, 1, rolls[i].length);
    grid.SetText(row, 2, rolls[i].width);
    grid.SetText(row, 3, rolls[i].quantity);
    grid.SetText(row, 8, rolls[i].location);
  }
  return SaveGridToTableFile(grid);
}

}  // namespace trimora
