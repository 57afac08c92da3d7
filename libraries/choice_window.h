#pragma once
// Product Choice: the list of known product names (products.lst) to pick one from. Select or
// a double-click hands the chosen name on and closes the window; Esc closes it without one.

#include <QDialog>
#include <functional>
#include <string>

class QListWidget;

namespace trimora {

class Choice : public QDialog {
 public:
  // onChoice receives the chosen name.
  explicit Choice(std::function<void(const std::string&)> onChoice, QWidget* parent = nullptr);

 private:
  // Hands on the selected name ("" when none is selected) and closes the window.
  void Select();

  QListWidget* list_;
  std::function<void(const std::string&)> onChoice_;
};

}  // namespace trimora
