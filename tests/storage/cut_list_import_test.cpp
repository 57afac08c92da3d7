// Cut lists from spreadsheets: the header, separators and quoting, every row checked as typing
// would check it, refusals named by their line, and the rows appended to cut.tlf.

#include "storage/cut_list_import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/text_file.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::QuotedLine;
using testing::ReadFile;
using testing::WriteFile;
using Rows = std::vector<std::vector<std::string>>;
using Refused = std::vector<RefusedCutRow>;

using CutListImportTest = testing::InWorkDir;

// Semicolons, CR LF, a header in another order and case with a column the table does not have,
// blank lines and rows, and a quoted field running over two lines: each refusal keeps the line
// its row starts on.
TEST_F(CutListImportTest, RowsAreTakenAsTypingTakesThemAndRefusalsNameTheirLine) {
  WriteFile("cuts.csv",
            "Qty;Width;Note;length;Orn;Description;party;site\r\n"
            "2;300;anything;600;1;\"door; left\";acme;plant 2\r\n"
            "\r\n"
            "4;;;800;;;;\r\n"
            "1;250.5;;1200;3;;;\r\n"
            "1;200;;-5;;;;\r\n"
            "1.5;200;;100;;;;\r\n"
            "1;200;;100;;\"a,b\";;\r\n"
            "3;12345678;;1;;;;\r\n"
            " ; ;;;;;;\r\n"
            "5;100;;10;0;\"two\r\n"
            "lines\";;\r\n"
            "7; 450 ;;900;0\r\n");
  const CutListImport import = ImportCutList("cuts.csv");
  EXPECT_EQ(import.error, "");
  EXPECT_EQ(import.rows, (Rows{{"600", "300", "2", "1", "DOOR; LEFT", "ACME", "PLANT 2"},
                               {"900", "450", "7", "0", "", "", ""}}));
  EXPECT_EQ(import.refused,
            (Refused{{4, "WIDTH is missing."},
                     {5, "ORN must be 0, 1 or 2."},
                     {6, "LENGTH must be a number of 0 or more."},
                     {7, "QTY must be a whole number of 0 or more."},
                     {8, "DESCRIPTION must not hold a comma or a double quote."},
                     {9, "WIDTH is longer than 7 characters."},
                     {11, "DESCRIPTION may hold only printable ASCII characters."}}));
}

// Commas separate the fields unless the header holds more semicolons; a spreadsheet's byte order
// mark does not hide the first column.
TEST_F(CutListImportTest, CommasSeparateAndQuotesKeepACommaInOneField) {
  WriteFile("cuts.csv", "\xEF\xBB\xBFLENGTH,WIDTH,QTY\n600,300,2\n\"1,5\",300,2\n600,.,2\n");
  const CutListImport import = ImportCutList("cuts.csv");
  EXPECT_EQ(import.rows, (Rows{{"600", "300", "2", "", "", "", ""}}));
  EXPECT_EQ(import.refused, (Refused{{3, "LENGTH must be a number of 0 or more."},
                                     {4, "WIDTH must be a number of 0 or more."}}));
}

TEST_F(CutListImportTest, AFileThatCannotBeTakenIsRefusedWhole) {
  WriteFile("no-qty.csv", "LENGTH;WIDTH;QUANTITY\r\n600;300;2\r\n");
  WriteFile("blank.csv", "\r\n  \r\n");
  std::filesystem::create_directory("folder.csv");
  for (const auto& [file, error] : {std::pair{"no-qty.csv", "the header row has no QTY column"},
                                    {"blank.csv", "the file is empty"},
                                    {"folder.csv", "is a folder, not a CSV file"},
                                    {"missing.csv", "no such file"}}) {
    const CutListImport import = ImportCutList(file);
    EXPECT_EQ(import.error, error) << file;
    EXPECT_TRUE(import.rows.empty() && import.refused.empty()) << file;
  }
}

TEST_F(CutListImportTest, TheSummaryCountsAndShortensALongList) {
  CutListImport import;
  import.rows = {{ "600", "300", "2" }};
  EXPECT_EQ(ImportSummary(import), "1 cut-piece was imported.");
  for (int line = 2; line <= 21; ++line) import.refused.push_back({line, "QTY is missing."});
  const std::string summary = ImportSummary(import);
  EXPECT_TRUE(summary.starts_with(
      "1 cut-piece was imported.\n\n20 rows were refused:\nLine 2: QTY is missing.\nLine 3: "));
  EXPECT_TRUE(summary.ends_with("\nLine 16: QTY is missing.\n... and 5 more.")) << summary;
}

// The rows go after the records already there; a table too large to read would load as empty
// and must not be replaced by the new rows alone.
TEST_F(CutListImportTest, RowsAreAppendedToTheCutTable) {
  const std::string kept = QuotedLine({"1200", "600", "7", "0", "DOOR", "", ""});
  WriteFile("cut.tlf", kept);
  ASSERT_TRUE(AppendToCutTable({{"600", "300", "2", "1", "SIDE", "ACME", ""}}));
  EXPECT_EQ(ReadFile("cut.tlf"), kept + QuotedLine({"600", "300", "2", "1", "SIDE", "ACME", ""}));

  std::filesystem::resize_file("cut.tlf", kLargestTextFile + 1);  // sparse: nothing is written
  std::string error;
  EXPECT_FALSE(AppendToCutTable({{"600", "300", "2"}}, &error));
  EXPECT_EQ(error, "cut.tlf cannot be read");
  EXPECT_EQ(std::filesystem::file_size("cut.tlf"), kLargestTextFile + 1);
}

}  // namespace
}  // namespace trimora
