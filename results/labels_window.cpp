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

// An out-of-range definition is said and kept in the window to be corrected, not stored.
void LABELS::Apply() {
  std::vector<std::string> fields;
  bool blank = true;
  for (int column = 1; column <= 5; ++column) {
    fields.push_back(grid().Text(1, column));
    blank = blank && TrimBlanks(fields.back()).empty();
  }
  const std::string problem = LabelDefinitionProblem(LabelDefinitionOf(fields));
  if (!blank && !problem.empty()) {  // an empty one leaves labels undefined, as ever
    ShowMessage({problem, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  SaveGridToTableFile(grid());
  close();
}

}  // namespace trimora
