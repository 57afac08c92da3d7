#include "platform/single_instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace trimora {

namespace {

QString LockFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::string& name, const QString& folder)
    : fileName_(QDir(folder.isEmpty() ? LockFolder() : folder)
                    .filePath(QString::fromStdString(name) + ".lock")),
      lock_(std::make_unique<QLockFile>(fileName_)) {
  // A running copy may hold the lock for days: only a lock whose process has gone is stale,
  // never one that is merely old.
  lock_->setStaleLockTime(0);
}

bool SingleInstanceLock::TryLock() { return lock_->isLocked() || lock_->tryLock(0); }

}  // namespace trimora
