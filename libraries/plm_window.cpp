#include "libraries/plm_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "libraries/product_library.h"

namespace trimora {

PLM::PLM(ShellServices& services, QWidget* parent)
    : GridWindow("Product Library Manager", ProductLibraryTags(), services, parent) {
  const auto button = [this](const char* caption, auto onClick) {
    auto* push = new QPushButton(caption, this);
    connect(push, &QPushButton::clicked, this, onClick);
    TopRow()->addWidget(push);
    return push;
  };
  cmdSort[1] = button("Sort Ascending", [this] { cmdSort_Click(1); });
  cmdSort[2] = button("Sort Descending", [this] { cmdSort_Click(2); });
  cmdPrintData = button("Print", [this] { cmdPrintData_Click(); });
  cmdPreview = button("Print Preview", [this] { PrintPreview(); });
  TopRow()->addStretch();
  cmdClose = button("Done", [this] { cmdClose_Click(); });
  cmdClose->setToolTip("Update");
  PLM_Form_Load();
}

void PLM::PLM_Form_Load() { LoadGrid(kProductLibraryFile, kProductLibraryWorkingCopy); }

void PLM::cmdClose_Click() {
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
