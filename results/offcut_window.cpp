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
      cmdSortAscending(new QPushButton("Sort Ascending", this)),
      cmdSortDescending(new QPushButton("Sort Descending", this)),
      cmdPrintData(new QPushButton("Print", this)),
      cmdPreview(new QPushButton("Print Preview", this)),
      cmdExport(new QPushButton("Export", this)),
      host_(host) {
  SetEditRules(kOffcutRules);
  for (QPushButton* button :
       {cmdSortAscending, cmdSortDescending, cmdPrintData, cmdPreview, cmdExport})
    BottomRow()->addWidget(button);
  BottomRow()->addStretch();
  connect(cmdSortAscending, &QPushButton::clicked, this, [this] { cmdSort_Click(1); });
  connect(cmdSortDescending, &QPushButton::clicked, this, [this] { cmdSort_Click(2); });
  connect(cmdPrintData, &QPushButton::clicked, this, [this] { cmdPrintData_Click(false); });
  connect(cmdPreview, &QPushButton::clicked, this, [this] { cmdPrintData_Click(true); });
  connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
}

bool OFFCUT::OFFCUT_Form_Load(std::string* error) {
  if (!RefreshOffcutTable(error)) return false;
  LoadGrid(kOffcutFile, kOffcutFile);
  RemoveEntryRow();
  RefreshGrid();
  cmdExport->setEnabled(host_.ImportedFromLibrary());
  return true;
}

void OFFCUT::RemoveEntryRow() {
  grid().SetRowCount(grid().RowCount() - 1);
  grid().row = grid().rowSel = std::min(grid().row, grid().RowCount() - 1);
}

void OFFCUT::cmdSort_Click(int index) {
  Edit(kSortStep, [this, index] {
    SortGrid(grid(), SortDirection(index), *this);
    if (grid().RowCount() >= 2) RemoveEntryRow();
  });
}

void OFFCUT::cmdPrintData_Click(bool preview) {
  if (preview) {
    PrintPreview();
  } else {
    Print();
  }
}

GridPrintContext OFFCUT::ListingContext() {
  GridPrintContext context = GridWindow::ListingContext();
  const Grid& basic = host_.BasicDetails();
  context.kind = PrintedGrid::OffCut;
  context.material = basic.Text(1, 1);
  context.thickness = basic.Text(1, 3);
  return context;
}

void OFFCUT::cmdExport_Click() {
  const MessageAnswer answer =
      ShowMessage({"Update Material Library?", "Attention!", MessageButtons::YesNo,
                   MessageIcon::Question, MessageDefault::Second});
  if (answer != MessageAnswer::Yes) return;
  const Grid& basic = host_.BasicDetails();
  AppendExportRecords(grid(), basic.Text(1, 1), basic.Text(1, 2), basic.Text(1, 3));
  MergeIntoLibrary();
  host_.ClearImportedFromLibrary();
  cmdExport->setEnabled(false);
  ShowMessage(
      {"Material Library Updated!", "Attention!", MessageButtons::Ok, MessageIcon::Information});
}

// The Material Library Manager merges the appended records as soon as its grid has the
// focus, and closes; the request is repeated in case the focus did not arrive.
void OFFCUT::MergeIntoLibrary() {
  MLM library(Services());
  library.Tag = kAutoMergeRequest;
  library.setWindowModality(Qt::ApplicationModal);
  library.show();
  library.setFocus();
  library.FG_GotFocus();
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
