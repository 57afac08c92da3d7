#include "libraries/choice_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "libraries/product_library.h"

namespace trimora {

Choice::Choice(std::function<void(const std::string&)> onChoice, QWidget* parent)
    : QDialog(parent), onChoice_(std::move(onChoice)) {
  setWindowTitle("Product Choice");
  Lst = new QListWidget(this);
  cmd = new QPushButton("Select", this);
  connect(cmd, &QPushButton::clicked, this, [this] { cmd_Click(); });
  connect(Lst, &QListWidget::itemDoubleClicked, this, [this] { cmd_Click(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Lst);
  layout->addWidget(cmd);
  resize(260, 320);
  Choice_Form_Load();
}

void Choice::Choice_Form_Load() {
  for (const std::string& name : ReadProductList()) Lst->addItem(QString::fromLatin1(name));
}

void Choice::cmd_Click() {
  const QListWidgetItem* item = Lst->currentItem();
  const std::string name =
      item != nullptr && item->isSelected() ? item->text().toLatin1().toStdString() : "";
  accept();
  onChoice_(name);
}

}  // namespace trimora
