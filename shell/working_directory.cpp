#include "shell/working_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/file_commands.h"

namespace trimora {

QString WorkdirArgument(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf("--workdir");
  if (at < 0 || at + 1 >= arguments.size()) return {};
  return arguments[at + 1];
}

QString ChooseWorkingDirectory(const QStringList& arguments, const QString& programFolder,
                               const QString& appDataFolder) {
  if (const QString given = WorkdirArgument(arguments); !given.isEmpty()) {
    return QDir(given).absolutePath();
  }
  const QFileInfo program(programFolder);
  if (program.isDir() && program.isWritable()) return program.absoluteFilePath();
  return appDataFolder;
}

bool PrepareWorkingDirectory(const QString& folder, const QString& seedDefaults) {
  QDir dir(folder);
  if (dir.exists()) return true;
  if (!dir.mkpath(".")) return false;
  const QString defaults = dir.filePath(kDefaultsFile);
  // A copy out of the program's resources is read-only.
  if (QFile::copy(seedDefaults, defaults)) {
    QFile::setPermissions(defaults, QFile::ReadOwner | QFile::WriteOwner);
  }
  return true;
}

}  // namespace trimora
