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
    : GridWindow("Load Products", {"PRODUCTS", "QTY", "CLIENT"}, services, parent),
      prefix_(new QLineEdit("ABCD", this)),
      type_(new QComboBox(this)) {
  prefix_->setObjectName("prefixBox");
  type_->setObjectName("typeBox");
  BottomRow()->addWidget(new QLabel("File(s) Suffix", this));
  BottomRow()->addWidget(prefix_);
  BottomRow()->addWidget(type_);
  BottomRow()->addStretch();
  QPushButton* load = AddButton(BottomRow(), "Load", "loadButton", [this] { MakeJobFiles(); });
  load->setToolTip("Make '.trm' files");
  // A double-click in a product-list cell opens the Product Choice as a key does.
  connect(View(), &QAbstractItemView::doubleClicked, this, [this] {
    if (ColumnFieldSpec(grid(), grid().column).entry == 'L') ChooseProduct();
  });
  StartOrder();
}

void LOADPROD::StartOrder() {
  DeleteFiles(kOrderFile);
  LoadGrid(kOrderFile, kOrderFile);
  type_->addItem(".TRM");
  type_->setCurrentIndex(0);
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

void LOADPROD::MakeJobFiles() {
  const LoadOutcome outcome = LoadProducts(grid(), TrimBlanks(prefix_->text().toStdString()),
                                           type_->currentText().toStdString());
  ShowMessage(outcome.message);
  if (outcome.closeWindow) close();
}

void LOADPROD::closeEvent(QCloseEvent* event) {
  DeleteFiles(kOrderFile);
  event->accept();
}

}  // namespace trimora
