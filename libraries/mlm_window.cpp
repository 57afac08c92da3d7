#include "libraries/mlm_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "libraries/material_library.h"

namespace trimora {

MLM::MLM(ShellServices& services, QWidget* parent)
    : GridWindow("Material Library Manager", MaterialLibraryTags(), services, parent) {
  AddGridToolbar();
  TopRow()->addStretch();
  cmdClose = new QPushButton("Done", this);
  cmdClose->setToolTip("Update");
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  TopRow()->addWidget(cmdClose);
  MLM_Form_Load();
}

void MLM::MLM_Form_Load() { LoadGrid(kMaterialLibraryFile, kMaterialLibraryWorkingCopy); }

GridPrintContext MLM::ListingContext() {
  GridPrintContext context = GridWindow::ListingContext();
  context.kind = PrintedGrid::MaterialLibrary;
  return context;
}

void MLM::cmdClose_Click() {
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

void MLM::FG_GotFocus() {
  if (Tag != kAutoMergeRequest) return;
  Tag.clear();
  SaveMaterialLibrary(grid(), *this);
  close();
}

}  // namespace trimora
