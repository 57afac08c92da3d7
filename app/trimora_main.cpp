// The windowed program: refuses a second running copy, settles the working directory and
// shows the launcher, which runs until its Exit; a job named on the command line opens in the
// main window.

#include <CLI/CLI.hpp>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <algorithm>

#include "platform/qt_clipboard.h"
#include "platform/qt_dialog_service.h"
#include "platform/single_instance_lock.h"
#include "shell/launcher.h"
#include "shell/single_instance_check.h"
#include "shell/working_directory.h"
#include "storage/application_title.h"
#include "trimora_version.h"

namespace {

struct Arguments {
  std::string workdir;
  std::string job;
};

// Qt has taken its own options (-platform, -style, ...) out of argv by now. Answers the exit
// status when the program ends here: after --help or --version, or on a usage error.
std::optional<int> ParseArguments(Arguments& arguments) {
  CLI::App program(
      "Trimora plans how rectangular cut-pieces are cut from stock sheets and "
      "rolls.",
      "trimora");
  program.set_version_flag("--version", std::string("trimora ") + trimora::kTrimoraVersion);
  program
      .add_option("--workdir", arguments.workdir,
                  "the working folder: job tables, Defaults and libraries (default: the "
                  "user's data folder)")
      ->type_name("DIR");
  program.add_option("JOB.trm", arguments.job, "a job file to open in the main window");
  std::vector<std::string> args;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    args.push_back(argument.toStdString());
  }
  std::reverse(args.begin(), args.end());  // the order CLI11 takes a vector in
  try {
    program.parse(args);
  } catch (const CLI::CallForHelp& e) {
    return program.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return program.exit(e);
  } catch (const CLI::Error& e) {
    std::cerr << "trimora: " << e.what() << "\n\n" << program.help();
    return 64;  // EX_USAGE
  }
  return std::nullopt;
}

QStringList SeedFiles(const QString& programFolder) {
  const QStringList names = {"Defaults", "dia.set", "lbl.def"};
  // Installed, the samples under share/trimora, which the shop may adapt; otherwise the
  // program's own copies.
  const QString folder = trimora::InstalledSampleFolder(programFolder);
  QStringList seeds;
  for (const QString& name : names) {
    seeds << (folder.isEmpty() ? ":/seed/" + name : folder + "/" + name);
  }
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace trimora;
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationVersion(kTrimoraVersion);
  QApplication::setWindowIcon(QIcon(":/trimora.svg"));
  // Lets the desktop match the windows to the menu entry and its icon.
  QGuiApplication::setDesktopFileName("trimora");
  Arguments arguments;
  if (const auto status = ParseArguments(arguments)) return *status;
  // Named from the user's folder; the program works in its own.
  const QString job = arguments.job.empty()
                          ? QString()
                          : QFileInfo(QString::fromStdString(arguments.job)).absoluteFilePath();

  QtDialogService dialogs;
  SingleInstanceLock lock(kApplicationTitle);
  if (!IsFirstCopy(lock, dialogs)) return 0;

  const QString programFolder = QApplication::applicationDirPath();
  const QString workdir =
      ChooseWorkingDirectory(QString::fromStdString(arguments.workdir), programFolder,
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  if (!PrepareWorkingDirectory(workdir, SeedFiles(programFolder))) {
    dialogs.ShowMessage({"The working folder " + workdir.toStdString() + " cannot be created.",
                         kApplicationTitle, MessageButtons::Ok, MessageIcon::Critical});
    return 1;
  }
  QtClipboard clipboard;
  ShellServices services{dialogs, clipboard, dialogs.Printer()};
  TRIMORA launcher(workdir, services);
  launcher.show();
  if (!job.isEmpty()) launcher.OpenJob(job);
  return QApplication::exec();
}
