#include "platform/single_instance_lock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace trimora {
namespace {

TEST(SingleInstanceLock, SecondHolderIsRefusedWhileTheFirstLives) {
  QTemporaryDir folder;
  SingleInstanceLock first("Trimora", folder.path());
  ASSERT_TRUE(first.TryLock());
  SingleInstanceLock second("Trimora", folder.path());
  EXPECT_FALSE(second.TryLock());
  EXPECT_TRUE(first.TryLock());  // asking again does not give it up
}

TEST(SingleInstanceLock, AcceptedAgainAfterTheFirstEnds) {
  QTemporaryDir folder;
  {
    SingleInstanceLock first("Trimora", folder.path());
    ASSERT_TRUE(first.TryLock());
  }
  SingleInstanceLock next("Trimora", folder.path());
  EXPECT_TRUE(next.TryLock());
}

TEST(SingleInstanceLock, LockOfACrashedCopyDoesNotBlock) {
  QTemporaryDir folder;
  SingleInstanceLock lock("Trimora", folder.path());
  EXPECT_EQ(lock.FileName(), folder.filePath("Trimora.lock"));
  // Left behind by a process that no longer exists: process id, program name, host.
  QFile stale(lock.FileName());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("2147483646\ntrimora\n\n");
  stale.close();
  EXPECT_TRUE(lock.TryLock());
}

TEST(SingleInstanceLock, DefaultsToAFolderOfTheUser) {
  SingleInstanceLock lock("Trimora");
  EXPECT_TRUE(lock.FileName().endsWith("/Trimora.lock"));
  EXPECT_GT(lock.FileName().size(), QString("/Trimora.lock").size());
}

}  // namespace
}  // namespace trimora
