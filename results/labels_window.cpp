#include "results/labels_window.h"

#include <QHBoxLayout>

#include "results/label_sheet.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

// One definition: typing never adds a row.
constexpr GridEditRules kLabelRules{false, 0, false};

}  // namespace

LABELS::LABELS(ShellServices& services, QWidget* parent)
    : GridWindow("Define Labels", {"COLS", "HS", "HP", "VS", "VP"}, services, parent) {
  SetEditRules(kLabelRules);
  setWindowModality(Qt::ApplicationModal);
  BottomRow()->addStretch();
  AddButton(BottomRow(), "Apply", "applyButton", [this] { Apply(); });
  SetRowsShown(1);  // one definition
  Load();
}

void LABELS::Load() {
  LoadGrid(kLabelDefinitionFile, kLabelDefinitionFile);
  if (grid().RowCount() >= 3) grid().SetRowCount(2);
  RefreshGrid();
}

void LABELS::Apply() {
  SaveGridToTableFile(grid());
  close();
}

}  // namespace trimora
