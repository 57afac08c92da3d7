#include "results/results_model.h"

#include <cmath>

#include "engine/area_order.h"
#include "engine/layout_results.h"

namespace trimora {

namespace {

// Every record names a sheet of the job, is an outline, a margin strip, a free area, a cut line
// or a piece of one of the job's cut-pieces, and shares its layout's sheet and repeat count, a
// whole number of at least one; the layouts are numbered 1, 2, 3 ... in order. Otherwise the
// plan belongs to another job or was damaged, and nothing shown from it could be trusted.
bool MatchesItsJob(const ResultsModel& model) {
  const AreaRecord* first = nullptr;  // the first record of the current layout
  for (size_t i = 1; i < model.records.size(); ++i) {
    const AreaRecord& r = model.records[i];
    const int16_t expected = first ? first->layout : 1;
    if (r.layout == expected + 1 && first) {
      first = &r;
    } else if (r.layout != expected) {
      return false;
    }
    if (!first) first = &r;
    if (r.roll != first->roll || r.repeat != first->repeat) return false;
    if (r.roll < 1 || r.roll > RecordCount(model.rolls)) return false;
    const bool area = r.TYPE == -1 || r.TYPE == -2 || r.TYPE == -4 || r.TYPE == -6;
    if (!area && (r.TYPE < 1 || r.TYPE > RecordCount(model.cuts))) return false;
    if (!(r.repeat >= 1) || r.repeat != std::trunc(r.repeat)) return false;
  }
  return true;
}

}  // namespace

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
  if (!MatchesItsJob(model)) {
    if (error) *error = kResultsMismatchMessage;
    model.records.assign(1, AreaRecord{});
    model.layouts = 0;
    return ResultsStatus::kMalformed;
  }
  return ResultsStatus::kReady;
}

}  // namespace trimora
