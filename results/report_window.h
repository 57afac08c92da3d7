#pragma once
// The Report window: report.tlf in a grid, one row per field, with the grid toolbar. The
// report is derived first when the Layouts window has not written it for the current
// results. The grid works on a copy, so sorting leaves report.tlf as the drawing reads it.

#include <string>

#include "grid/grid_window.h"

namespace trimora {

inline constexpr const char* kReportGridCopy = "rptgrid.tlf";

class REPORT : public GridWindow {
 public:
  explicit REPORT(ShellServices& services, QWidget* parent = nullptr);

  // Derives report.tlf when it is missing or older than dia.tlf, then fills the grid. False,
  // with error, when the report cannot be derived.
  bool Load(std::string* error = nullptr);

 protected:
  GridPrintContext ListingContext() override;
};

}  // namespace trimora
