// Printing a text listing, the lock that keeps a second launcher from starting, and the file
// dialogs' filters.

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <string>

#include "platform/file_filter.h"
#include "platform/print_text_file.h"
#include "platform/single_instance_lock.h"
#include "test_support.h"

namespace trimora {
namespace {

void WriteLines(const QString& path, int count) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (int i = 1; i <= count; ++i) file.write(("LINE " + std::to_string(i) + "\r\n").c_str());
}

TEST(PrintTextFile, LongListingRunsOnToMorePagesAndAMissingOnePrintsNothing) {
  QTemporaryDir folder;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath("out.pdf"));
  const std::string text = folder.filePath("Print.txt").toStdString();
  const std::string header = folder.filePath("header.tlf").toStdString();
  EXPECT_FALSE(PrintTextFile(printer, text, header));
  EXPECT_FALSE(QFile::exists(folder.filePath("out.pdf")));
  WriteLines(folder.filePath("Print.txt"), 300);
  WriteLines(folder.filePath("header.tlf"), 3);
  ASSERT_TRUE(PrintTextFile(printer, text, header));
  EXPECT_GE(testing::PdfPages(folder.filePath("out.pdf").toStdString()),
            4);  // about 60 lines fit an A4 or Letter
}

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

TEST(FileFilter, ANameWithoutExtensionGetsTheFirstPatternsOne) {
  EXPECT_EQ(ParseFileFilter("Jobs|*.trm|All files|*.*"),
            (std::vector<FileFilterEntry>{{"Jobs", "*.trm"}, {"All files", "*.*"}}));
  const std::string trm = DefaultExtension("*.trm|*.trm");
  EXPECT_EQ(trm, "trm");
  EXPECT_EQ(DefaultExtension("All|*.*"), "");
  EXPECT_EQ(DefaultExtension("Jobs|*.trm;*.txt"), "");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil 12", trm), "/jobs/coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("C:\\Jobs\\Coil 12", trm), "C:\\Jobs\\Coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil.txt", trm), "/jobs/coil.txt");
  EXPECT_EQ(WithDefaultExtension("/jobs.old/coil", trm), "/jobs.old/coil.trm");  // a folder's dot
}

}  // namespace
}  // namespace trimora
