#include "platform/single_instance_lock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace trimora {
namespace {

TEST(SingleInstanceLock, RefusesASecondHolderAndTakesOverAStaleLock) {
  QTemporaryDir folder;
  SingleInstanceLock first("Trimora", folder.path());
  ASSERT_TRUE(first.TryLock());
  SingleInstanceLock second("Trimora", folder.path());
  EXPECT_FALSE(second.TryLock());
  EXPECT_TRUE(first.TryLock());  // asking again does not give it up

  QTemporaryDir other;
  SingleInstanceLock lock("Trimora", other.path());
  // Left behind by a process that no longer exists: process id, program name, host.
  QFile stale(other.filePath("Trimora.lock"));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("2147483646\ntrimora\n\n");
  stale.close();
  EXPECT_TRUE(lock.TryLock());
}

}  // namespace
}  // namespace trimora
