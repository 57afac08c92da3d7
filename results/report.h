#pragma once
// The report generator. report.tlf sums up one optimized job: the stock each layout
// uses, the pieces produced of every cut list row, and a section per layout. It also fills the
// model's layout start and section position tables, which the drawing and the labels use.

#include <string>

#include "results/results_model.h"

namespace trimora {

inline constexpr const char* kReportFile = "report.tlf";
inline constexpr const char* kSheetsAdjFile = "sheets.Adj";

// The whole text of report.tlf (CR LF line ends) for the measure setting of misc.set in the
// working directory; fills model.layoutStart and model.sectionPosition (1 .. N).
std::string ReportText(ResultsModel& model);

// The report generator: writes report.tlf and empties sheets.Adj in the working directory,
// and fills the two tables. Returns false when a file cannot be written (error says which).
bool WriteReport(ResultsModel& model, std::string* error = nullptr);

// The layout start table alone (record number of each layout's roll outline record, element 0
// unused, 0 for a layout without one), as the report generator fills it.
std::vector<int> LayoutStartTable(const ResultsModel& model);

}  // namespace trimora
