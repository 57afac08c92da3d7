#include "results/report_window.h"

#include <QHBoxLayout>

#include "results/report.h"
#include "results/report_grid.h"
#include "results/result_files.h"

namespace trimora {

REPORT::REPORT(ShellServices& services, QWidget* parent)
    : LibraryWindow("Report", {"REPORT"}, services, parent) {
  AddGridToolbar([this](int index) { TB_ButtonClick(index); });
  TopRow()->addStretch();
}

bool REPORT::REPORT_Form_Load(std::string* error) {
  if (!RefreshReport(error)) return false;
  LoadFieldsIntoRows(grid(), kReportFile);
  grid().SetTag(kReportGridCopy);
  grid().row = grid().rowSel = 1;
  FG->Refresh();
  return true;
}

void REPORT::TB_ButtonClick(int index) { GridToolbarClick(index, PrintedGrid::Report); }

}  // namespace trimora
