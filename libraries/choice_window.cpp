#include "libraries/choice_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "libraries/product_library.h"

namespace trimora {

Choice::Choice(std::function<void(const std::string&)> onChoice, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), onChoice_(std::move(onChoice)) {
  setWindowTitle("Product Choice");
  list_->setObjectName("productList");
  for (const std::string& name : ReadProductList()) list_->addItem(QString::fromLatin1(name));
  auto* select = new QPushButton("Select", this);
  select->setObjectName("selectButton");
  connect(select, &QPushButton::clicked, this, [this] { Select(); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Select(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(select);
  resize(260, 320);
}

void Choice::Select() {
  const QListWidgetItem* item = list_->currentItem();
  const std::string name =
      item != nullptr && item->isSelected() ? item->text().toLatin1().toStdString() : "";
  accept();
  onChoice_(name);
}

}  // namespace trimora
