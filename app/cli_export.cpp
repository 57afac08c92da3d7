#include "app/cli_export.h"

#include <iostream>

#include "app/cli_job.h"
#include "app/cli_results.h"
#include "app/temp_workdir.h"
#include "engine/layout_results.h"
#include "results/plan_export.h"
#include "storage/cut_list_import.h"
#include "storage/job_file.h"
#include "storage/job_tables.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

int RunExportCommand(const ExportRequest& request) {
  ResultsArgs args;
  args.job = request.job;
  args.MakePathsAbsolute();
  // "-" is stdout.
  const auto path = [](const std::string& name) { return name == "-" ? "" : AbsolutePath(name); };
  const std::string csv = path(request.csv), json = path(request.json);
  return WithResultsModel(args, [&](ResultsModel& model) {
    const auto offcuts = DeriveOffcuts(model.records, model.basic.KERF, ReadScrapLimits());
    const Grid cuts = LoadTableGrid(CutPieceTable());
    if (!request.csv.empty()) {
      if (const int status = EmitText(PlanExportCsv(model, offcuts, cuts), request.csv, csv))
        return status;
    }
    if (request.json.empty()) return 0;
    return EmitText(PlanExportJson(model, offcuts, cuts), request.json, json);
  });
}

int RunImportCutsCommand(const ImportCutsRequest& request) {
  const std::string shownOutput = request.output.empty() ? request.job : request.output;
  const std::string job = AbsolutePath(request.job), csv = AbsolutePath(request.csv),
                    output = AbsolutePath(shownOutput);
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  OptimizeOptions options;
  if (!OpenJobForCli(job, request.job, options)) return 1;
  const CutListImport import = ImportCutList(csv);
  if (!import.error.empty()) {
    std::cerr << "trimora-cli: " << request.csv << ": " << import.error << '\n';
    return 1;
  }
  for (const RefusedCutRow& row : import.refused) {
    std::cerr << request.csv << ": " << RefusalText(row) << '\n';
  }
  std::string error;
  // New cut-pieces make the old plan another job's.
  if (!import.rows.empty() &&
      !(AppendToCutTable(import.rows, &error) && WriteWholeFile(kLayoutResultsFile, ""))) {
    std::cerr << "trimora-cli: cut.tlf: cannot be written: " << error << '\n';
    return 1;
  }
  JobWindows noWindows;
  if (const JobFileResult saved = SaveJob(output, options, noWindows); !saved) {
    std::cerr << "trimora-cli: " << shownOutput << ": " << saved.error << '\n';
    return 1;
  }
  std::cout << "Cut-pieces imported: " << import.rows.size()
            << ", rows refused: " << import.refused.size() << '\n';
  return import.refused.empty() ? 0 : 1;
}

}  // namespace trimora
