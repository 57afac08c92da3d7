#include "results/report_window.h"

#include <QHBoxLayout>

#include "results/report.h"
#include "results/report_grid.h"
#include "results/result_files.h"

namespace trimora {

namespace {

// Lines of the report: nothing can be typed, and rows are neither added nor removed.
constexpr GridEditRules kReportRules{false, 0, false};

}  // namespace

REPORT::REPORT(ShellServices& services, QWidget* parent)
    : GridWindow("Report", {"REPORT"}, services, parent) {
  SetEditRules(kReportRules);
  AddGridToolbar();
  TopRow()->addStretch();
}

bool REPORT::Load(std::string* error) {
  if (!RefreshReport(error)) return false;
  LoadFieldsIntoRows(grid(), kReportFile);
  grid().SetTag(kReportGridCopy);
  grid().row = grid().rowSel = 1;
  RefreshGrid();
  return true;
}

GridPrintContext REPORT::ListingContext() {
  GridPrintContext context = GridWindow::ListingContext();
  context.kind = PrintedGrid::Report;
  return context;
}

}  // namespace trimora
