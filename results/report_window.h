#pragma once
// The Report window: report.tlf in a grid, one row per field, with the grid toolbar. The
// report is derived first when the Layouts window has not written it for the current
// results. The grid works on a copy, so sorting leaves report.tlf as the drawing reads it.

#include <string>

#include "libraries/library_window.h"

namespace trimora {

inline constexpr const char* kReportGridCopy = "rptgrid.tlf";

class REPORT : public LibraryWindow {
 public:
  explicit REPORT(ShellServices& services, QWidget* parent = nullptr);

  // Derives report.tlf when it is missing or older than dia.tlf, then fills the grid. False,
  // with error, when the report cannot be derived.
  bool REPORT_Form_Load(std::string* error = nullptr);

  // The toolbar: 1 "Sort Ascending", 2 "Sort Descending", 4 "Print", 8 "Print Preview", 6 "Copy",
  // 7 "Paste".
  void TB_ButtonClick(int index);
};

}  // namespace trimora
