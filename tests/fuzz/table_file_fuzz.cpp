// The job's tables as the entry windows and the engine read them, and a cut list from a
// spreadsheet appended to the cut table.

#include "engine/engine_inputs.h"
#include "fuzz_workdir.h"
#include "storage/cut_list_import.h"
#include "storage/job_tables.h"
#include "storage/options_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trimora;
  fuzz::EnterPrivateFolder();
  for (const char* name : {"basic.tlf", "sheet.tlf", "cut.tlf", "options.tlf", "cuts.csv"}) {
    fuzz::WriteInput(name, data, size);
  }
  for (const TableDefinition* table :
       {&BasicDetailsTable(), &RollSpecificationsTable(), &CutPieceTable()}) {
    LoadTableGrid(*table);
  }
  BasicDetails basic;
  RollList rolls;
  CutList cuts;
  int16_t mode = 0;
  std::vector<InputNote> notes;
  ReadEngineInputsFromTables(basic, rolls, cuts, mode, &notes);
  ReadOptionsFile();
  if (const CutListImport import = ImportCutList("cuts.csv"); !import.rows.empty()) {
    AppendToCutTable(import.rows);
  }
  return 0;
}
