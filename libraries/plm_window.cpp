#include "libraries/plm_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "libraries/product_library.h"

namespace trimora {

PLM::PLM(ShellServices& services, QWidget* parent)
    : GridWindow("Product Library Manager", ProductLibraryTags(), services, parent) {
  QHBoxLayout* row = TopRow();
  AddButton(row, "Sort Ascending", "sortAscendingButton",
            [this] { Sort(SortDirection::Ascending); });
  AddButton(row, "Sort Descending", "sortDescendingButton",
            [this] { Sort(SortDirection::Descending); });
  AddButton(row, "Print", "printButton", [this] { Print(); });
  AddButton(row, "Print Preview", "printPreviewButton", [this] { PrintPreview(); });
  row->addStretch();
  AddButton(row, "Done", "doneButton", [this] { SaveAndClose(); })->setToolTip("Update");
  Load();
}

void PLM::Load() { LoadGrid(kProductLibraryFile, kProductLibraryWorkingCopy); }

void PLM::SaveAndClose() {
  const MessageAnswer answer =
      ShowMessage({"Save Changes?", "Attention!", MessageButtons::YesNo, MessageIcon::Question});
  if (answer == MessageAnswer::Yes && !SaveProductLibrary(grid(), *this)) {
    ShowMessage({"The Product Library could not be written.", "Attention!", MessageButtons::Ok,
                 MessageIcon::Exclamation});
    return;
  }
  close();
}

}  // namespace trimora
