#pragma once
// What the Layouts window holds while it is open, built once from dia.tlf and the job tables:
// the layout records, the rebuilt engine lists with the entered sizes, the per-layout tables
// the report generator fills, and the layout settings. The report, the off-cut derivation,
// the drawing and the label sheet all work from one of these.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/area_list.h"
#include "engine/engine_inputs.h"
#include "results/layout_settings.h"

namespace trimora {

struct ResultsModel {
  AreaList records;     // layout records 1 .. R of dia.tlf; element 0 holds no record
  int16_t layouts = 0;  // N: the layout number of record R
  BasicDetails basic;   // BLADE as entered (not the blade reach)
  RollList rolls;       // ordered as for the run, kerf removed again
  CutList cuts;         // ordered as for the run, kerf removed again
  // Per layout n = 1 .. N (element 0 unused), filled by the report generator: the record
  // number of the layout's roll outline record, and the 1-based byte position in report.tlf
  // of its "Layout No. " line (0 for a layout without a roll outline record).
  std::vector<int> layoutStart;
  std::vector<int64_t> sectionPosition;
  LayoutSettings settings;
  std::string jobFileName;  // the job's file path when known, for "File: " on printed pages
};

enum class ResultsStatus { kReady, kNotOptimized, kMalformed };

// Reads dia.tlf and rebuilds the lists from basic.tlf, sheet.tlf, cut.tlf and options.tlf of
// the working directory (ReadEngineInputs, AddKerf, SortByAreaDescending, RemoveKerf).
// kNotOptimized when dia.tlf is missing or empty ("This file was not optimized."); error says
// why for kMalformed.
ResultsStatus BuildResultsModel(ResultsModel& model, std::string* error = nullptr);

inline constexpr const char* kNotOptimizedMessage = "This file was not optimized.";
inline constexpr const char* kResultsMismatchMessage = "The layout results do not match this job.";

}  // namespace trimora
