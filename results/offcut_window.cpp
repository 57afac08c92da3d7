#include "results/offcut_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

#include "libraries/material_library.h"
#include "libraries/mlm_window.h"
#include "results/offcuts.h"
#include "results/result_files.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

constexpr int kLocationColumn = 5;

// One off-cut per row and no entry row: typing never adds a row.
constexpr GridEditRules kOffcutRules{false, 0, false};

}  // namespace

OFFCUT::OFFCUT(ShellServices& services, OffcutHost& host, QWidget* parent)
    : GridWindow("Off-Cut Table", {"LAYOUT", "LENGTH", "WIDTH", "QTY", "LOCATION"}, services,
                 parent),
      host_(host) {
  SetEditRules(kOffcutRules);
  QHBoxLayout* row = BottomRow();
  AddButton(row, "Sort Ascending", "sortAscendingButton",
            [this] { SortOffcuts(SortDirection::Ascending); });
  AddButton(row, "Sort Descending", "sortDescendingButton",
            [this] { SortOffcuts(SortDirection::Descending); });
  AddButton(row, "Print", "printButton", [this] { Print(); });
  AddButton(row, "Print Preview", "printPreviewButton", [this] { PrintPreview(); });
  export_ = AddButton(row, "Export", "exportButton", [this] { ExportToMaterialLibrary(); });
  row->addStretch();
}

bool OFFCUT::Load(std::string* error) {
  if (!RefreshOffcutTable(error)) return false;
  LoadGrid(kOffcutFile, kOffcutFile);
  RemoveEntryRow();
  RefreshGrid();
  export_->setEnabled(host_.ImportedFromLibrary());
  return true;
}

void OFFCUT::RemoveEntryRow() {
  grid().SetRowCount(grid().RowCount() - 1);
  grid().row = grid().rowSel = std::min(grid().row, grid().RowCount() - 1);
}

void OFFCUT::SortOffcuts(SortDirection direction) {
  Edit(kSortStep, [this, direction] {
    SortGrid(grid(), direction, *this);
    if (grid().RowCount() >= 2) RemoveEntryRow();
  });
}

GridPrintContext OFFCUT::ListingContext() {
  GridPrintContext context = GridWindow::ListingContext();
  const Grid& basic = host_.BasicDetails();
  context.kind = PrintedGrid::OffCut;
  context.material = basic.Text(1, 1);
  context.thickness = basic.Text(1, 3);
  return context;
}

void OFFCUT::ExportToMaterialLibrary() {
  const MessageAnswer answer =
      ShowMessage({"Update Material Library?", "Attention!", MessageButtons::YesNo,
                   MessageIcon::Question, MessageDefault::Second});
  if (answer != MessageAnswer::Yes) return;
  const Grid& basic = host_.BasicDetails();
  AppendExportRecords(grid(), basic.Text(1, 1), basic.Text(1, 2), basic.Text(1, 3));
  MergeIntoLibrary();
  host_.ClearImportedFromLibrary();
  export_->setEnabled(false);
  ShowMessage(
      {"Material Library Updated!", "Attention!", MessageButtons::Ok, MessageIcon::Information});
}

// The Material Library Manager merges the appended records as soon as its grid has the
// focus, and closes; the request is repeated in case the focus did not arrive.
void OFFCUT::MergeIntoLibrary() {
  MLM library(Services());
  library.RequestAutomaticMerge();
  library.setWindowModality(Qt::ApplicationModal);
  library.show();
  library.setFocus();
  library.RunRequestedMerge();
}

void OFFCUT::KeyPress(const KeyEvent& key) {
  if (grid().column == kLocationColumn) GridWindow::KeyPress(key);
}

bool OFFCUT::KeyDown(const KeyEvent& key) {
  return grid().column == kLocationColumn && GridWindow::KeyDown(key);
}

void OFFCUT::closeEvent(QCloseEvent* event) {
  SaveGridToTableFile(grid());
  event->accept();
}

}  // namespace trimora
