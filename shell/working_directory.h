#pragma once
// The working directory, where the job tables, the Defaults job and the library files live:
// the folder given with --workdir; otherwise, for a program run where it was built, its own
// folder when it may write there; otherwise (and always for an installed program) the user's
// application-data folder.

#include <QString>
#include <QStringList>

namespace trimora {

// The installed samples (share/trimora beside the program's bin folder) when the program is
// installed; otherwise "".
QString InstalledSampleFolder(const QString& programFolder);

// given: the --workdir folder, or "".
QString ChooseWorkingDirectory(const QString& given, const QString& programFolder,
                               const QString& appDataFolder);

// Creates the folder when it does not exist and copies each seed file the folder lacks into
// it, under the seed's own name: the sample Defaults job, so that a new job starts with the
// blade and kerf set, the sample layout drawing settings and label definition. A file already
// there is kept as it is. Answers false when the folder cannot be created.
bool PrepareWorkingDirectory(const QString& folder, const QStringList& seedFiles);

}  // namespace trimora
