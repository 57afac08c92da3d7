#include "shell/job_entry_window.h"

#include <QCloseEvent>

#include "grid/grid_rows.h"
#include "storage/table_file.h"

namespace trimora {

JobEntryWindow::JobEntryWindow(const JobEntryDesign& design, JobWindowHost& host, QWidget* parent)
    : GridWindow(design.caption, design.table.columns, host.Services(), parent),
      singleRecord_(design.singleRecord),
      host_(host) {
  grid().SetTag(std::string(design.table.file));
  for (const int column : design.hiddenColumns) grid().SetColumnWidth(column, 0);
  if (!design.serialShown) grid().SetColumnWidth(0, 0);
  SetEditRules(design.rules);
  SetRowsShown(design.singleRecord ? 1 : kRowsShownInLists);
  Reload();
}

void JobEntryWindow::Reload() {
  LoadGridFromTableFile(grid());
  // A single-record table keeps its first record only, without an entry row.
  if (singleRecord_ && grid().RowCount() >= 3) grid().SetRowCount(2);
  grid().row = grid().rowSel = 1;
  RefreshGrid();
}

void JobEntryWindow::ImportRows(const std::vector<std::vector<std::string>>& rows) {
  Edit(kImportStep, [&] { AppendGridRows(grid(), rows); });
}

GridPrintContext JobEntryWindow::ListingContext() {
  GridPrintContext context = GridWindow::ListingContext();
  context.jobFileName = host_.JobFileName();
  return context;
}

// The table file is current only once its window has closed.
void JobEntryWindow::closeEvent(QCloseEvent* event) {
  SaveGridToTableFile(grid());
  closed_ = true;
  event->accept();
}

}  // namespace trimora
