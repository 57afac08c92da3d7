#include "app/cli_labels.h"

#include <iostream>

#include "app/temp_workdir.h"
#include "results/label_sheet.h"

namespace trimora {

int RunLabelsCommand(const ResultsArgs& args) {
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  ResultsModel model;
  if (const int status = LoadResultsForCli(args, model); status != 0) return status;
  if (args.layout > model.layouts) {
    std::cerr << "trimora-cli: --layout " << args.layout << ": the job has layouts 1 to "
              << model.layouts << '\n';
    return 1;
  }
  const std::optional<LabelDefinition> definition = ReadLabelDefinition();
  if (!definition) {
    std::cerr << kLabelsNotDefinedMessage << '\n';
    return 2;
  }
  return EmitResultsText(LabelSheetText(model, *definition, args.layout), args);
}

}  // namespace trimora
