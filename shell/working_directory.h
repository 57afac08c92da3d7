#pragma once
// The working directory, where the job tables, the Defaults job and the library files live:
// the folder given with --workdir; otherwise the program's own folder when the program may
// write there; otherwise the user's application-data folder.

#include <QString>
#include <QStringList>

namespace trimora {

// The folder after "--workdir", or "" when the option is not given.
QString WorkdirArgument(const QStringList& arguments);

QString ChooseWorkingDirectory(const QStringList& arguments, const QString& programFolder,
                               const QString& appDataFolder);

// Creates the folder when it does not exist and copies each seed file the folder lacks into
// it, under the seed's own name: the sample Defaults job, so that a new job starts with the
// blade and kerf set, the sample layout drawing settings and label definition. A file already
// there is kept as it is. Answers false when the folder cannot be created.
bool PrepareWorkingDirectory(const QString& folder, const QStringList& seedFiles);

}  // namespace trimora
