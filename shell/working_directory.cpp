#include "shell/working_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool PrepareWorkingDirectory(const QString& folder, const QStringList& seedFiles) {
  QDir dir(folder);
  if (!dir.exists() && !dir.mkpath(".")) return false;
  for (const QString& seed : seedFiles) {
    const QString copy = dir.filePath(QFileInfo(seed).fileName());
    if (QFileInfo::exists(copy)) continue;
    // A copy out of the program's resources is read-only; the shop's other users read it too.
    if (QFile::copy(seed, copy)) {
      QFile::setPermissions(
          copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
  }
  return true;
}

}  // namespace trimora
