#include "app/cli_check.h"

#include <filesystem>
#include <iostream>

#include "app/cli_job.h"
#include "app/temp_workdir.h"
#include "app/text_table.h"
#include "engine/area_order.h"
#include "engine/engine_inputs.h"
#include "engine/optimize.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

const char* ModeName(int16_t mode) {
  switch (mode) {
    case 1:
      return "Maximum Yield";
    case 2:
      return "Minimum Layouts";
    default:
      return "neither goal checked (the first complete plan is kept)";
  }
}

std::string Quantity(float qty) { return qty == kUnlimitedQty ? "unlimited" : NeutralNumber(qty); }

void PrintRolls(const RollList& rolls) {
  std::cout << "Stock sizes (" << RecordCount(rolls) << "), kerf added, in the engine's order:\n";
  TextTable table({"#", "LENGTH", "WIDTH", "QTY", "M(L)", "M(T)", "M(R)", "M(B)", "LOCATION"},
                  {true, true, true, true, true, true, true, true, false});
  for (int i = 1; i <= RecordCount(rolls); ++i) {
    const RollRecord& r = rolls[size_t(i)];
    table.AddRow({std::to_string(i), NeutralNumber(r.LENGTH), NeutralNumber(r.WIDTH),
                  Quantity(r.QTY), NeutralNumber(r.ML), NeutralNumber(r.MT), NeutralNumber(r.MR),
                  NeutralNumber(r.MB), r.LOCATION});
  }
  table.Print(std::cout, "  ");
}

void PrintCuts(const CutList& cuts) {
  std::cout << "Cut-pieces (" << RecordCount(cuts) << "), kerf added, in the engine's order:\n";
  TextTable table({"#", "LENGTH", "WIDTH", "QTY", "ORN", "DESCRIPTION", "PARTY", "SITE"},
                  {true, true, true, true, true, false, false, false});
  for (int i = 1; i <= RecordCount(cuts); ++i) {
    const CutRecord& c = cuts[size_t(i)];
    table.AddRow({std::to_string(i), NeutralNumber(c.LENGTH), NeutralNumber(c.WIDTH),
                  NeutralNumber(c.QTY), NeutralNumber(c.ORN), c.DESCRIPTION, c.PARTY, c.SITE});
  }
  table.Print(std::cout, "  ");
}

void PrintNotes(const std::vector<InputNote>& notes) {
  if (notes.empty()) return;
  std::cout << "Rows not used as typed:\n";
  for (const auto& note : notes) {
    const char* table = note.table == "sheet" ? "Roll Specifications" : "Cut-Piece";
    std::cout << "  " << table << " row " << note.row << ": " << note.text << '\n';
  }
}

}  // namespace

int RunCheckCommand(const std::string& jobPath) {
  std::error_code ec;
  const std::string absolutePath = std::filesystem::absolute(jobPath, ec).string();
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  OptimizeOptions options;
  if (!OpenJobForCli(ec ? jobPath : absolutePath, jobPath, options)) return 1;

  const TableInputs inputs = ReadTableInputs();
  EngineJob job;
  // The lists as the engine takes them, shown also when a check refuses the job.
  EngineLists lists;
  const std::string message = PrepareEngineJob(inputs, job, &lists);
  const BasicDetails& basic = lists.basic;
  const RollList& rolls = lists.rolls;
  const CutList& cuts = lists.cuts;
  const int16_t mode = inputs.mode;
  const std::vector<InputNote>& notes = inputs.notes;
  const float blade = inputs.basic.BLADE;

  std::cout << "Job: " << jobPath << '\n'
            << "Material: " << basic.MAT << "  Grade: " << basic.GRADE
            << "  Thickness: " << NeutralNumber(basic.THICK) << '\n'
            << "Goal: " << ModeName(mode) << " (mode " << mode << ")\n"
            << "Blade reach: " << NeutralNumber(basic.BLADE) << " (BLADE " << NeutralNumber(blade)
            << " + KERF " << NeutralNumber(basic.KERF) << ")\n\n";
  PrintRolls(rolls);
  std::cout << '\n';
  PrintCuts(cuts);
  if (!notes.empty()) std::cout << '\n';
  PrintNotes(notes);
  std::cout << '\n' << (message.empty() ? "ready" : message) << '\n';
  return message.empty() ? 0 : 2;
}

}  // namespace trimora
