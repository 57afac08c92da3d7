#include "platform/print_text_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace trimora {
namespace {

void WriteLines(const QString& path, int count) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (int i = 1; i <= count; ++i) file.write(("LINE " + std::to_string(i) + "\r\n").c_str());
}

// Pages of a PDF written by Qt: one "/Type /Page" object each, besides the "/Type /Pages" tree.
int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = file.readAll();
  return int(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

class PrintTextFileTest : public ::testing::Test {
 protected:
  PrintTextFileTest() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("out.pdf"));
  }
  QString Path(const char* name) const { return folder.filePath(name); }
  std::string StdPath(const char* name) const { return Path(name).toStdString(); }

  QTemporaryDir folder;
  QPrinter printer;
};

TEST_F(PrintTextFileTest, ShortListingMakesOnePage) {
  WriteLines(Path("Print.txt"), 5);
  WriteLines(Path("header.tlf"), 3);
  ASSERT_TRUE(PrintTextFile(printer, StdPath("Print.txt"), StdPath("header.tlf")));
  EXPECT_EQ(PdfPages(Path("out.pdf")), 1);
}

TEST_F(PrintTextFileTest, LongListingRunsOnToMorePages) {
  WriteLines(Path("Print.txt"), 300);
  ASSERT_TRUE(PrintTextFile(printer, StdPath("Print.txt"), StdPath("no header.tlf")));
  EXPECT_GE(PdfPages(Path("out.pdf")), 4);  // about 60 lines of 11 points fit an A4 or Letter
}

TEST_F(PrintTextFileTest, HeaderOnEveryPageTakesRoom) {
  WriteLines(Path("Print.txt"), 300);
  WriteLines(Path("header.tlf"), 20);
  ASSERT_TRUE(PrintTextFile(printer, StdPath("Print.txt"), StdPath("header.tlf")));
  const int withHeader = PdfPages(Path("out.pdf"));
  printer.setOutputFileName(Path("plain.pdf"));
  ASSERT_TRUE(PrintTextFile(printer, StdPath("Print.txt"), StdPath("no header.tlf")));
  EXPECT_GT(withHeader, PdfPages(Path("plain.pdf")));
}

TEST_F(PrintTextFileTest, MissingTextFilePrintsNothing) {
  EXPECT_FALSE(PrintTextFile(printer, StdPath("missing.txt"), StdPath("header.tlf")));
  EXPECT_FALSE(QFile::exists(Path("out.pdf")));
}

}  // namespace
}  // namespace trimora
