#include "shell/launcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

#include "storage/application_title.h"
#include "storage/file_utils.h"

namespace trimora {

TRIMORA::TRIMORA(const QString& workingDirectory, ShellServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setWindowTitle(kApplicationTitle);
  auto* row = new QHBoxLayout(this);
  struct Button {
    const char* name;
    const char* caption;
    const char* toolTip;
    QStyle::StandardPixmap icon;
    void (TRIMORA::*handler)();
  };
  const Button buttons[] = {
      {"baseModuleButton", "Base Module", "Base Module", QStyle::SP_ComputerIcon,
       &TRIMORA::OpenMainWindow},
      {"stockButton", "Stock", "Material Library Manager", QStyle::SP_DirIcon,
       &TRIMORA::ShowMaterialLibrary},
      {"productLibraryButton", "P L M", "Product Library Manager", QStyle::SP_FileDialogListView,
       &TRIMORA::ShowProductLibrary},
      {"loadProductsButton", "Load Products", "Load Products", QStyle::SP_ArrowDown,
       &TRIMORA::ShowProductLoader},
      {"labelsButton", "Labels", "Modify Settings", QStyle::SP_FileDialogDetailedView,
       &TRIMORA::ShowLabelDefinition},
      {"exitButton", "Exit", "Close TRIMORA Suite", QStyle::SP_DialogCloseButton,
       &TRIMORA::ExitProgram},
  };
  for (const Button& button : buttons) {
    auto* push = new QPushButton(style()->standardIcon(button.icon), button.caption, this);
    push->setObjectName(button.name);
    push->setToolTip(button.toolTip);
    push->setMinimumSize(120, 72);
    push->setIconSize(QSize(32, 32));
    connect(push, &QPushButton::clicked, this, button.handler);
    row->addWidget(push);
  }
  // Every file is opened by bare name in the working directory.
  QDir::setCurrent(workingDirectory);
}

template <typename Window>
void TRIMORA::ShowModule(QPointer<Window>& window) {
  if (!window) {
    window = new Window(services_);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void TRIMORA::ShowMaterialLibrary() { ShowModule(mlm_); }
void TRIMORA::ShowProductLibrary() { ShowModule(plm_); }
void TRIMORA::ShowProductLoader() { ShowModule(loadprod_); }
void TRIMORA::ShowLabelDefinition() { ShowModule(labels_); }

void TRIMORA::OpenJob(const QString& path) {
  OpenMainWindow();
  main_->OpenJobFile(path.toStdString());
}

void TRIMORA::OpenMainWindow() {
  if (main_) return;
  // Minimized rather than hidden: a window manager places a window that was withdrawn as if it
  // were new, but gives a minimized one back where it was. Disabled meanwhile, so that its Exit
  // cannot end the program under the main window's unsaved job.
  main_ = new BaseModule(services_, [this] {
    setEnabled(true);
    showNormal();
    activateWindow();
  });
  main_->setAttribute(Qt::WA_DeleteOnClose);
  main_->show();
  setEnabled(false);
  showMinimized();
}

void TRIMORA::closeEvent(QCloseEvent* event) {
  event->accept();
  ExitProgram();
}

// Ends at once: open windows go without their closing questions.
void TRIMORA::ExitProgram() {
  CloseModules();
  DeleteFiles("*.tlf");
  DeleteFiles("*.adj");
  QCoreApplication::exit(0);
}

void TRIMORA::CloseModules() {
  delete main_;
  delete mlm_;
  delete plm_;
  delete loadprod_;
  delete labels_;
}

}  // namespace trimora
