#include "libraries/mlm_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "libraries/material_library.h"

namespace trimora {

MLM::MLM(ShellServices& services, QWidget* parent)
    : GridWindow("Material Library Manager", MaterialLibraryTags(), services, parent) {
  AddGridToolbar();
  TopRow()->addStretch();
  AddButton(TopRow(), "Done", "doneButton", [this] { SaveAndClose(); })->setToolTip("Update");
  Load();
}

void MLM::Load() { LoadGrid(kMaterialLibraryFile, kMaterialLibraryWorkingCopy); }

GridPrintContext MLM::ListingContext() {
  GridPrintContext context = GridWindow::ListingContext();
  context.kind = PrintedGrid::MaterialLibrary;
  return context;
}

void MLM::SaveAndClose() {
  const MessageAnswer answer =
      ShowMessage({"Save Changes?", "Attention!", MessageButtons::YesNo, MessageIcon::Question});
  if (answer == MessageAnswer::Yes) {
    PutLongerSideFirst(grid());
    if (!SaveMaterialLibrary(grid(), *this)) {  // the old library stays; so do the edits
      ShowMessage({"mlm.dat could not be written.", "Attention!", MessageButtons::Ok,
                   MessageIcon::Exclamation});
      return;
    }
  }
  close();
}

void MLM::RunRequestedMerge() {
  if (!mergeRequested_) return;
  mergeRequested_ = false;
  SaveMaterialLibrary(grid(), *this);
  close();
}

}  // namespace trimora
