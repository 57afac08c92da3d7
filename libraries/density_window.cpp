#include "libraries/density_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/number_text.h"
#include "storage/report_measure.h"
#include "storage/table_file.h"

namespace trimora {

DENSITY::DENSITY(ShellServices& services, QWidget* parent)
    : GridWindow("Density Table", {"MAT", "DENSITY"}, services, parent) {
  BottomRow()->addStretch();
  AddButton(BottomRow(), "Done", "doneButton", [this] { SaveAndClose(); })->setToolTip("Update");
  Load();
}

// A dialog of its own gives the window its modal run.
void DENSITY::RunModal(ShellServices& services, QWidget* parent) {
  QDialog dialog(parent);
  auto* window = new DENSITY(services, &dialog);
  dialog.setWindowTitle(window->windowTitle());
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(window);
  dialog.exec();
}

void DENSITY::Load() { LoadGrid(kDensityFile, kDensityWorkingCopy); }

void DENSITY::SaveAndClose() {
  const MessageAnswer answer =
      ShowMessage({"Save Changes?", "Attention!", MessageButtons::YesNo, MessageIcon::Question});
  if (answer == MessageAnswer::Yes) {
    // Kept open, with the cursor on it, until every density can be used.
    for (int r = 1; r < grid().RowCount(); ++r) {
      const std::string& text = grid().Text(r, 2);
      if (!TrimBlanks(text).empty() && !IsUsableDensity(LeadingNumber(text))) {
        grid().row = grid().rowSel = r;
        grid().column = grid().columnSel = 2;
        RefreshGrid();
        ShowMessage({std::string(kDensityOutOfRangeMessage) + " Row " + std::to_string(r) +
                         " holds " + text + ".",
                     "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
        return;
      }
    }
    grid().SetTag(kDensityFile);
    grid().row = grid().rowSel = 1;
    grid().column = grid().columnSel = 1;
    SortGrid(grid(), SortDirection::Ascending, *this);
  }
  window()->close();
}

}  // namespace trimora
