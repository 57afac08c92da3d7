#include "results/labels_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "results/label_sheet.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

// One definition: typing never adds a row.
constexpr GridEditRules kLabelRules{false, 0, false};

}  // namespace

LABELS::LABELS(ShellServices& services, QWidget* parent)
    : GridWindow("Define Labels", {"COLS", "HS", "HP", "VS", "VP"}, services, parent),
      cmdClose(new QPushButton("Apply", this)) {
  SetEditRules(kLabelRules);
  setWindowModality(Qt::ApplicationModal);
  BottomRow()->addStretch();
  BottomRow()->addWidget(cmdClose);
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  SetRowsShown(1);  // one definition
  LABELS_Form_Load();
}

void LABELS::LABELS_Form_Load() {
  LoadGrid(kLabelDefinitionFile, kLabelDefinitionFile);
  if (grid().RowCount() >= 3) grid().SetRowCount(2);
  RefreshGrid();
}

void LABELS::cmdClose_Click() {
  SaveGridToTableFile(grid());
  close();
}

}  // namespace trimora
