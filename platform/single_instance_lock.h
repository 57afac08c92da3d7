#pragma once
// Refuses a second running copy of the program: a lock file named after the application
// title in the user's runtime folder (the temporary folder where there is none). The lock is
// held while this object lives. A lock left behind by a copy that crashed does not block the
// next start: its process no longer exists, so the lock counts as stale and is taken over.

#include <QLockFile>
#include <QString>
#include <memory>
#include <string>

namespace trimora {

class SingleInstanceLock {
 public:
  // The lock file is <folder>/<name>.lock; an empty folder means the user's runtime folder.
  explicit SingleInstanceLock(const std::string& name, const QString& folder = {});

  // True when this is the first copy, which now holds the lock. Never waits.
  bool TryLock();

  const QString& FileName() const { return fileName_; }

 private:
  QString fileName_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace trimora
