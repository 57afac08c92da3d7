#include "libraries/mlm_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>

#include "libraries/material_library.h"

namespace trimora {

MLM::MLM(ShellServices& services, QWidget* parent)
    : LibraryWindow("Material Library Manager", MaterialLibraryTags(), services, parent) {
  auto* toolbar = new QToolBar(this);
  toolbar->setIconSize(QSize(16, 16));
  const auto add = [this, toolbar](QStyle::StandardPixmap icon, const char* text, int index) {
    toolbar->addAction(style()->standardIcon(icon), text, [this, index] { TB_ButtonClick(index); });
  };
  add(QStyle::SP_ArrowUp, "Sort Ascending", 1);
  add(QStyle::SP_ArrowDown, "Sort Descending", 2);
  toolbar->addSeparator();
  add(QStyle::SP_FileDialogContentsView, "Print", 4);
  toolbar->addSeparator();
  add(QStyle::SP_FileDialogNewFolder, "Copy", 6);
  add(QStyle::SP_DialogApplyButton, "Paste", 7);
  TopRow()->addWidget(toolbar);
  TopRow()->addStretch();
  cmdClose = new QPushButton("Done", this);
  cmdClose->setToolTip("Update");
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  TopRow()->addWidget(cmdClose);
  resize(640, 420);
  MLM_Form_Load();
}

void MLM::MLM_Form_Load() { LoadGrid(kMaterialLibraryFile, kMaterialLibraryWorkingCopy); }

void MLM::TB_ButtonClick(int index) {
  switch (index) {
    case 1:
    case 2:
      Sort(index);
      break;
    case 4:
      Print(PrintedGrid::MaterialLibrary);
      break;
    case 6:
      Copy();
      break;
    case 7:
      Paste();
      break;
  }
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
