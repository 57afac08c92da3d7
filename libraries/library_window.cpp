#include "libraries/library_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/grid_toolbar.h"
#include "platform/print_text_file.h"
#include "shell/grid_clipboard.h"
#include "shell/grid_header.h"
#include "shell/grid_input.h"
#include "shell/grid_sort.h"
#include "storage/table_file.h"

namespace trimora {

LibraryWindow::LibraryWindow(const std::string& caption, const std::vector<std::string_view>& tags,
                             ShellServices& services, QWidget* parent)
    : QWidget(parent),
      caption_(caption),
      services_(services),
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

void LibraryWindow::AddGridToolbar(const std::function<void(int)>& click) {
  topRow_->addWidget(MakeGridToolbar(this, click));
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

std::string LibraryWindow::ClipboardText() { return services_.clipboard.GetText(); }

void LibraryWindow::SetClipboardText(const std::string& text) {
  services_.clipboard.Clear();
  services_.clipboard.SetText(text);
}

MessageAnswer LibraryWindow::ShowMessage(const Message& message) {
  return services_.dialogs.ShowMessage(message);
}

void LibraryWindow::Beep() { services_.dialogs.Beep(); }

void LibraryWindow::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void LibraryWindow::FocusGrid() { FG->setFocus(); }

PrintDialogAnswer LibraryWindow::AskPrintRange() { return services_.dialogs.PrintDialog(false); }

void LibraryWindow::Sort(int direction) {
  SortGrid(grid_, direction == 2 ? SortDirection::Descending : SortDirection::Ascending, *this);
  FG->Refresh();
}

void LibraryWindow::Print(PrintedGrid kind, const std::string& material,
                          const std::string& thickness) {
  GridPrintContext context;
  context.caption = caption_;
  context.kind = kind;
  context.material = material;
  context.thickness = thickness;
  const auto files = PrintGrid(grid_, context, *this);
  if (files) PrintTextFile(services_.printer, files->textFile, files->headerFile);
}

void LibraryWindow::Copy() { CopyGridSelection(grid_, *this); }

void LibraryWindow::Paste() {
  PasteIntoGrid(grid_, rules_, *this);
  FG->Refresh();
}

}  // namespace trimora
