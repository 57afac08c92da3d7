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

namespace {

struct LauncherButton {
  int index;
  const char* caption;
  const char* toolTip;
  QStyle::StandardPixmap icon;
};

}  // namespace

TRIMORA::TRIMORA(const QString& workingDirectory, ShellServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setWindowTitle(kApplicationTitle);
  auto* row = new QHBoxLayout(this);
  const LauncherButton buttons[] = {
      {0, "Base Module", "Base Module", QStyle::SP_ComputerIcon},
      {2, "Stock", "Material Library Manager", QStyle::SP_DirIcon},
      {3, "P L M", "Product Library Manager", QStyle::SP_FileDialogListView},
      {4, "Load Products", "Load Products", QStyle::SP_ArrowDown},
      {5, "Labels", "Modify Settings", QStyle::SP_FileDialogDetailedView},
      {7, "Exit", "Close TRIMORA Suite", QStyle::SP_DialogCloseButton},
  };
  for (const LauncherButton& button : buttons) {
    auto* push = new QPushButton(style()->standardIcon(button.icon), button.caption, this);
    push->setToolTip(button.toolTip);
    push->setMinimumSize(120, 72);
    push->setIconSize(QSize(32, 32));
    const int index = button.index;
    connect(push, &QPushButton::clicked, this, [this, index] { cmd_Click(index); });
    row->addWidget(push);
    cmd_[size_t(index)] = push;
  }
  TRIMORA_Form_Load(workingDirectory);
}

// Every file is opened by bare name in the working directory.
void TRIMORA::TRIMORA_Form_Load(const QString& workingDirectory) {
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

void TRIMORA::cmd_Click(int index) {
  switch (index) {
    case 2:
      ShowModule(mlm_);
      return;
    case 3:
      ShowModule(plm_);
      return;
    case 4:
      ShowModule(loadprod_);
      return;
    case 5:
      ShowModule(labels_);
      return;
    case 7:
      ExitProgram();
      return;
  }
  if (index != 0 || main_) return;
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
