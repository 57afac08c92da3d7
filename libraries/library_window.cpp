#include "libraries/library_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "grid/grid_clipboard.h"
#include "grid/grid_header.h"
#include "grid/grid_input.h"
#include "grid/grid_sort.h"
#include "platform/grid_toolbar.h"
#include "storage/table_file.h"

namespace trimora {

LibraryWindow::LibraryWindow(const std::string& caption, const std::vector<std::string_view>& tags,
                             ShellServices& services, QWidget* parent)
    : QWidget(parent),
      ServicesGridHost(services),
      caption_(caption),
      topRow_(new QHBoxLayout),
      bottomRow_(new QHBoxLayout) {
  setWindowTitle(QString::fromLatin1(caption));
  ApplyColumnLayout(grid_, BuildGridHeader(tags));
  FG = new GridView(grid_, this);
  QFont font("Courier New", 9);
  font.setStyleHint(QFont::TypeWriter);  // a fixed-pitch stand-in where Courier New is missing
  FG->setFont(font);
  FG->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
  FG->SetHandler(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(topRow_);
  layout->addWidget(FG);
  layout->addLayout(bottomRow_);
}

LibraryWindow::~LibraryWindow() { delete FG; }

void LibraryWindow::AddGridToolbar(const std::function<void(int)>& click) {
  topRow_->addWidget(MakeGridToolbar(this, click));
}

void LibraryWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (sized_ || !isWindow()) return;
  sized_ = true;
  resize(size().expandedTo(sizeHint()).boundedTo(screen()->availableGeometry().size() * 0.9));
}

void LibraryWindow::LoadGrid(const char* file, const char* workingCopy) {
  grid_.SetTag(file);
  LoadGridFromTableFile(grid_);
  grid_.SetTag(workingCopy);
  grid_.row = grid_.rowSel = 1;
  FG->Refresh();
}

void LibraryWindow::KeyPress(const KeyEvent& key) { HandleGridKey(grid_, key, rules_, *this); }

bool LibraryWindow::KeyDown(const KeyEvent& key) {
  return HandleGridKey(grid_, key, rules_, *this);
}

void LibraryWindow::FocusGrid() { FG->setFocus(); }

void LibraryWindow::Sort(int direction) {
  SortGrid(grid_, direction == 2 ? SortDirection::Descending : SortDirection::Ascending, *this);
  FG->Refresh();
}

GridPrintContext LibraryWindow::ListingContext(PrintedGrid kind, const std::string& material,
                                               const std::string& thickness) const {
  GridPrintContext context;
  context.caption = caption_;
  context.kind = kind;
  context.material = material;
  context.thickness = thickness;
  return context;
}

void LibraryWindow::Print(PrintedGrid kind, const std::string& material,
                          const std::string& thickness) {
  PrintListing(grid_, ListingContext(kind, material, thickness));
}

void LibraryWindow::PrintPreview(PrintedGrid kind, const std::string& material,
                                 const std::string& thickness) {
  PreviewListing(grid_, ListingContext(kind, material, thickness));
}

void LibraryWindow::Copy() { CopyGridSelection(grid_, *this); }

void LibraryWindow::Paste() {
  PasteIntoGrid(grid_, rules_, *this);
  FG->Refresh();
}

void LibraryWindow::GridToolbarClick(int index, PrintedGrid kind) {
  switch (index) {
    case 1:
    case 2:
      Sort(index);
      break;
    case 4:
      Print(kind);
      break;
    case 8:
      PrintPreview(kind);
      break;
    case 6:
      Copy();
      break;
    case 7:
      Paste();
      break;
  }
}

}  // namespace trimora
