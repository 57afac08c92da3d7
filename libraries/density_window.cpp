#include "libraries/density_window.h"

#include <QFont>
#include <QPushButton>
#include <QVBoxLayout>

#include "grid/grid_header.h"
#include "grid/grid_input.h"
#include "grid/grid_rows.h"
#include "grid/grid_sort.h"
#include "storage/report_measure.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

// MAT is text, DENSITY a decimal number; nothing here feeds the layouts.
constexpr GridEditRules kDensityRules{true, 0, false};

}  // namespace

DENSITY::DENSITY(DialogService& dialogs, Clipboard& clipboard, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), clipboard_(clipboard) {
  setWindowTitle("Density Table");
  FG = new GridView(grid_, this);
  FG->SetHandler(this);
  cmdClose = new QPushButton("Done", this);
  cmdClose->setToolTip("Update");
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FG);
  layout->addWidget(cmdClose, 0, Qt::AlignRight);
  resize(420, 360);
  DENSITY_Form_Load();
}

void DENSITY::DENSITY_Form_Load() {
  QFont font = FG->font();
  font.setPointSize(9);
  FG->setFont(font);
  ApplyColumnLayout(grid_, BuildGridHeader({"MAT", "DENSITY"}));
  ClearGridCells(grid_);
  grid_.SetRowCount(2);
  grid_.SetTag(kDensityFile);
  LoadGridFromTableFile(grid_);
  grid_.SetTag(kDensityWorkingCopy);
  FG->Refresh();
}

void DENSITY::cmdClose_Click() {
  const MessageAnswer answer = dialogs_.ShowMessage(
      {"Save Changes?", "Attention!", MessageButtons::YesNo, MessageIcon::Question});
  if (answer == MessageAnswer::Yes) {
    grid_.SetTag(kDensityFile);
    grid_.row = grid_.rowSel = 1;
    grid_.column = grid_.columnSel = 1;
    SortGrid(grid_, SortDirection::Ascending, *this);
    FG->Refresh();
  }
  accept();
}

void DENSITY::KeyPress(const KeyEvent& key) { HandleGridKey(grid_, key, kDensityRules, *this); }

bool DENSITY::KeyDown(const KeyEvent& key) {
  return HandleGridKey(grid_, key, kDensityRules, *this);
}

void DENSITY::SetClipboardText(const std::string& text) {
  clipboard_.Clear();
  clipboard_.SetText(text);
}

MessageAnswer DENSITY::ShowMessage(const Message& message) { return dialogs_.ShowMessage(message); }

void DENSITY::FocusGrid() { FG->setFocus(); }

}  // namespace trimora
