#pragma once
// The launcher: the first window, a row of buttons, one per module. It makes the working
// directory current, steps aside (minimized, disabled) while the main window is open, opens the
// Material Library, Product Library, Load Products and Define Labels windows, and on Exit deletes
// the program's temporary table files.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "libraries/loadprod_window.h"
#include "libraries/mlm_window.h"
#include "libraries/plm_window.h"
#include "platform/shell_services.h"
#include "results/labels_window.h"
#include "shell/base_module.h"

namespace trimora {

class TRIMORA : public QWidget {
 public:
  TRIMORA(const QString& workingDirectory, ShellServices& services, QWidget* parent = nullptr);
  // The module windows have no parent: they go with the launcher.
  ~TRIMORA() override { CloseModules(); }

  // Opens the main window with the job at path (a file named on the command line).
  void OpenJob(const QString& path);

  // The open module windows, or nullptr.
  BaseModule* MainWindow() const { return main_; }
  MLM* MaterialLibrary() const { return mlm_; }
  PLM* ProductLibrary() const { return plm_; }
  LOADPROD* ProductLoader() const { return loadprod_; }
  LABELS* LabelDefinition() const { return labels_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The buttons' commands.
  void OpenMainWindow();
  void ShowMaterialLibrary();
  void ShowProductLibrary();
  void ShowProductLoader();
  void ShowLabelDefinition();
  void ExitProgram();
  void CloseModules();
  // Opens the module's window, or brings it to the front when it is open.
  template <typename Window>
  void ShowModule(QPointer<Window>& window);

  ShellServices& services_;
  QPointer<BaseModule> main_;
  QPointer<MLM> mlm_;
  QPointer<PLM> plm_;
  QPointer<LOADPROD> loadprod_;
  QPointer<LABELS> labels_;
};

}  // namespace trimora
