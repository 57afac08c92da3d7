#include "shell/working_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trimora {

QString InstalledSampleFolder(const QString& programFolder) {
  const QString samples = QDir(programFolder).absoluteFilePath("../share/trimora");
  return QFileInfo::exists(samples + "/Defaults") ? QDir::cleanPath(samples) : QString();
}

QString ChooseWorkingDirectory(const QString& given, const QString& programFolder,
                               const QString& appDataFolder) {
  if (!given.isEmpty()) return QDir(given).absolutePath();
  // An installed program's folder is shared by every user (and writable by root).
  if (!InstalledSampleFolder(programFolder).isEmpty()) return appDataFolder;
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
