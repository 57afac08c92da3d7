#include "app/cli_labels.h"

#include <iostream>

#include "results/label_sheet.h"

namespace trimora {

namespace {

int EmitLabels(const ResultsArgs& args, const ResultsModel& model) {
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

}  // namespace

int RunLabelsCommand(const ResultsArgs& args) {
  return WithResultsModel(args, [&](ResultsModel& model) { return EmitLabels(args, model); });
}

}  // namespace trimora
