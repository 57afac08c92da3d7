#include "shell/job_entry_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "grid/grid_clipboard.h"
#include "grid/grid_header.h"
#include "grid/grid_input.h"
#include "grid/grid_rows.h"
#include "grid/grid_sort.h"
#include "platform/grid_toolbar.h"
#include "storage/table_file.h"

namespace trimora {

JobEntryWindow::JobEntryWindow(const JobEntryDesign& design, JobWindowHost& host, QWidget* parent)
    : QWidget(parent),
      ServicesGridHost(host.Services()),
      design_(design),
      host_(host),
      grid_(MakeTableGrid(design.table)),
      topRow_(new QHBoxLayout) {
  setWindowTitle(QString::fromLatin1(design.caption));
  ApplyColumnLayout(grid_, BuildGridHeader(design.table.columns));
  for (const int column : design.hiddenColumns) grid_.SetColumnWidth(column, 0);
  if (!design.serialShown) grid_.SetColumnWidth(0, 0);
  FG = new GridView(grid_, this);
  QFont font("Courier New", 9);
  font.setStyleHint(QFont::TypeWriter);  // a fixed-pitch stand-in where Courier New is missing
  FG->setFont(font);
  // Rows as tall as the text: the small child windows show more of them.
  FG->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
  FG->SetHandler(this);
  FG->SetRowsShown(design.singleRecord ? 1 : kRowsShownInLists);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addLayout(topRow_);
  layout->addWidget(FG);
  Reload();
}

JobEntryWindow::~JobEntryWindow() { delete FG; }

void JobEntryWindow::Reload() {
  ClearGridCells(grid_);
  grid_.SetRowCount(2);
  LoadGridFromTableFile(grid_);
  // A single-record table keeps its first record only, without an entry row.
  if (design_.singleRecord && grid_.RowCount() >= 3) grid_.SetRowCount(2);
  grid_.row = grid_.rowSel = 1;
  FG->Refresh();
  ShowMarkers();
}

void JobEntryWindow::KeyPress(const KeyEvent& key) {
  HandleGridKey(grid_, key, design_.rules, *this);
  ShowMarkers();
}

bool JobEntryWindow::KeyDown(const KeyEvent& key) {
  const bool used = HandleGridKey(grid_, key, design_.rules, *this);
  ShowMarkers();
  return used;
}

void JobEntryWindow::FocusGrid() { FG->setFocus(); }

void JobEntryWindow::AddToolbar() {
  topRow_->insertWidget(0, MakeGridToolbar(this, [this](int index) { TB_ButtonClick(index); }));
}

void JobEntryWindow::TB_ButtonClick(int index) {
  switch (index) {
    case 1:
      SortGrid(grid_, SortDirection::Ascending, *this);
      break;
    case 2:
      SortGrid(grid_, SortDirection::Descending, *this);
      break;
    case 4:
      PrintData(false);
      break;
    case 8:
      PrintData(true);
      break;
    case 6:
      CopyGridSelection(grid_, *this);
      break;
    case 7:
      PasteIntoGrid(grid_, design_.rules, *this);
      break;
  }
  FG->Refresh();
  ShowMarkers();
}

void JobEntryWindow::PrintData(bool preview) {
  GridPrintContext context;
  context.caption = design_.caption;
  context.jobFileName = host_.JobFileName();
  if (preview) {
    PreviewListing(grid_, context);
  } else {
    PrintListing(grid_, context);
  }
}

// The table file is current only once its window has closed.
void JobEntryWindow::closeEvent(QCloseEvent* event) {
  SaveGridToTableFile(grid_);
  closed_ = true;
  event->accept();
}

}  // namespace trimora
