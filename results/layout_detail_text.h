#pragma once
// The detail text of a layout: its section of report.tlf, optionally with the basic details,
// kept in DiaCur.tlf. The screen shows it beside the drawing; paper gets it below the drawing,
// after the job's file name and the date.

#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "results/results_model.h"

namespace trimora {

inline constexpr const char* kDetailTextFile = "DiaCur.tlf";

// Copies layout n's section of report.tlf (from its "Layout No. " line up to the line of
// asterisks that ends it) into DiaCur.tlf, with the basic details after the first line when
// Basic Details List is on, and returns the lines written.
std::vector<std::string> WriteDetailText(const ResultsModel& model, int n);

// Today's date as day/month/year, "dd/mm/yyyy".
std::string TodayDayMonthYear();

// Prints the detail text below a drawing of the given used length: the file block (when a
// job file name is set), the date, an empty line and the lines. A line that would not fit in
// the current band goes to the top of a new page.
void PrintDetailText(DrawingSurface& surface, float usedLength,
                     const std::vector<std::string>& lines, const std::string& jobFileName,
                     const std::string& date);

}  // namespace trimora
