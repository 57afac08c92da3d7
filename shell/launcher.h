#pragma once
// The launcher: the first window, a row of buttons, one per module. It makes the working
// directory current, hides itself while the main window is open, and on Exit deletes the
// program's temporary table files.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

#include "shell/base_module.h"
#include "shell/shell_services.h"

class QPushButton;

namespace trimora {

class TRIMORA : public QWidget {
 public:
  TRIMORA(const QString& workingDirectory, ShellServices& services, QWidget* parent = nullptr);
  // The main window has no parent: it goes with the launcher.
  ~TRIMORA() override { delete main_; }

  // Buttons by index: 0 "Base Module", 2 "Stock", 3 "P L M", 4 "Load Products", 5 "Labels",
  // 7 "Exit"; 1 and 6 are gaps in the row (nullptr).
  const std::array<QPushButton*, 8>& cmd() const { return cmd_; }
  void cmd_Click(int index);

  // The open main window, or nullptr.
  BaseModule* MainWindow() const { return main_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void TRIMORA_Form_Load(const QString& workingDirectory);
  void ExitProgram();

  ShellServices& services_;
  std::array<QPushButton*, 8> cmd_{};
  QPointer<BaseModule> main_;
};

}  // namespace trimora
