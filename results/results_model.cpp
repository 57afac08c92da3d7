#include "results/results_model.h"

#include "engine/area_order.h"
#include "engine/layout_results.h"

namespace trimora {

ResultsStatus BuildResultsModel(ResultsModel& model, std::string* error) {
  model.records.assign(1, AreaRecord{});
  model.layouts = 0;
  model.layoutStart.clear();
  model.sectionPosition.clear();
  switch (ReadLayoutResults(model.records, error)) {
    case LayoutResultsStatus::kNoResults:
      if (error) *error = kNotOptimizedMessage;
      return ResultsStatus::kNotOptimized;
    case LayoutResultsStatus::kMalformed:
      model.records.assign(1, AreaRecord{});
      return ResultsStatus::kMalformed;
    case LayoutResultsStatus::kLayouts:
      break;
  }
  model.layouts = model.records.back().layout;

  int16_t mode = 0;
  ReadEngineInputsFromTables(model.basic, model.rolls, model.cuts, mode);
  AddKerf(model.rolls, model.cuts, model.basic.KERF);
  SortByAreaDescending(model.rolls, model.cuts);
  RemoveKerf(model.rolls, model.cuts, model.basic.KERF);
  return ResultsStatus::kReady;
}

}  // namespace trimora
