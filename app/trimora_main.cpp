// The windowed program: refuses a second running copy, settles the working directory and
// shows the launcher, which runs until its Exit.

#include <QApplication>
#include <QStandardPaths>

#include "platform/qt_clipboard.h"
#include "platform/qt_dialog_service.h"
#include "platform/single_instance_lock.h"
#include "shell/launcher.h"
#include "shell/single_instance_check.h"
#include "shell/working_directory.h"
#include "storage/application_title.h"

int main(int argc, char** argv) {
  using namespace trimora;
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QtDialogService dialogs;
  SingleInstanceLock lock(kApplicationTitle);
  if (!IsFirstCopy(lock, dialogs)) return 0;

  const QString workdir =
      ChooseWorkingDirectory(QApplication::arguments(), QApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  if (!PrepareWorkingDirectory(workdir, {":/seed/Defaults", ":/seed/dia.set", ":/seed/lbl.def"})) {
    dialogs.ShowMessage({"The working folder " + workdir.toStdString() + " cannot be created.",
                         kApplicationTitle, MessageButtons::Ok, MessageIcon::Critical});
    return 1;
  }
  QtClipboard clipboard;
  ShellServices services{dialogs, clipboard, dialogs.Printer()};
  TRIMORA launcher(workdir, services);
  launcher.show();
  return QApplication::exec();
}
