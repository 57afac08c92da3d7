#include "libraries/loadprod_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "grid/grid_header.h"
#include "libraries/product_loading.h"
#include "platform/grid_view.h"
#include "storage/file_utils.h"
#include "storage/table_file.h"

namespace trimora {

LOADPROD::LOADPROD(ShellServices& services, QWidget* parent)
    : GridWindow("Load Products", {"PRODUCTS", "QTY", "CLIENT"}, services, parent) {
  BottomRow()->addWidget(new QLabel("File(s) Suffix", this));
  txt = new QLineEdit("ABCD", this);
  BottomRow()->addWidget(txt);
  cmb = new QComboBox(this);
  BottomRow()->addWidget(cmb);
  BottomRow()->addStretch();
  cmdClose = new QPushButton("Load", this);
  cmdClose->setToolTip("Make '.trm' files");
  connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
  BottomRow()->addWidget(cmdClose);
  // A double-click in a product-list cell opens the Product Choice as a key does.
  connect(View(), &QAbstractItemView::doubleClicked, this, [this] {
    if (ColumnFieldSpec(grid(), grid().column).entry == 'L') ChooseProduct();
  });
  LOADPROD_Form_Load();
}

// The order list starts empty.
void LOADPROD::LOADPROD_Form_Load() {
  DeleteFiles(kOrderFile);
  LoadGrid(kOrderFile, kOrderFile);
  cmb->addItem(".TRM");
  cmb->setCurrentIndex(0);
}

void LOADPROD::ChooseProduct() {
  const int row = grid().row;
  const int column = grid().column;
  choice_ = new Choice(
      [this, row, column](const std::string& name) {
        Edit(kTypingStep, [&] { grid().SetText(row, column, name); });
      },
      this);
  choice_->setAttribute(Qt::WA_DeleteOnClose);
  choice_->open();  // modal to this window without waiting here
  connect(choice_, &QDialog::finished, this, [this] { FocusGrid(); });
}

void LOADPROD::cmdClose_Click() {
  const LoadOutcome outcome =
      LoadProducts(grid(), TrimBlanks(txt->text().toStdString()), cmb->currentText().toStdString());
  ShowMessage(outcome.message);
  if (outcome.closeWindow) close();
}

void LOADPROD::closeEvent(QCloseEvent* event) {
  DeleteFiles(kOrderFile);
  event->accept();
}

}  // namespace trimora
