// The libraries' files: Load Products' job files and the product list, and the Material
// Library's save.

#include <gtest/gtest.h>

#include <filesystem>

#include "grid/grid_fixtures.h"
#include "libraries/material_library.h"
#include "libraries/product_library.h"
#include "libraries/product_loading.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

constexpr const char* kDefaults =
    "[BASIC.TLF]\r\n\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n"
    "[SHEET.TLF]\r\n\"2500\",\"1250\",\"\",\"10\",\"10\",\"10\",\"10\",\"BAY 1\"\r\n[END]\r\n"
    "[CUT.TLF]\r\n\"100\",\"100\",\"1\",\"\",\"TAG\",\"\",\"\"\r\n[END]\r\n"
    "[DIA.TLF]\r\n[END]\r\n";

constexpr const char* kLibrary =
    "\"CHAIR\",\"SEAT\",\"MS\",\"G1\",\"2\",\"400\",\"400\",\"1\"\r\n"
    "\"CHAIR\",\"LEG\",\"MS\",\"G1\",\"2.00\",\"600\",\"50\",\"4\"\r\n"
    "\"DESK\",\"TOP\",\"MS\",\"G1\",\"3\",\"1200\",\"600\",\"1\"\r\n"
    "\"CHAIR\",\"BACK\",\"MS\",\"G1\",\"2\",\"450\",\"300\",\"1\"\r\n";

constexpr const char* kTwoMillimetre = "ABCD[MAT=MS,GRADE=G1,THICK=2].TRM";
constexpr const char* kThreeMillimetre = "ABCD[MAT=MS,GRADE=G1,THICK=3].TRM";

Grid OrderGrid(std::vector<std::vector<std::string>> rows) {
  rows.emplace_back();  // the entry row
  return testing::LaidOutGrid({"PRODUCTS", "QTY", "CLIENT"}, rows, kOrderFile);
}

class ProductLoading : public testing::InWorkDir {
 protected:
  ProductLoading() {
    WriteFile("Defaults", kDefaults);
    WriteFile("plm.dat", kLibrary);
  }
};

TEST_F(ProductLoading, OneJobFilePerMaterialGradeAndThicknessAndASecondLoadReplacesThem) {
  WriteFile("ABCD-old.trm", "x");
  WriteFile("other.TRM", "x");
  LoadOutcome outcome = LoadProducts(
      OrderGrid({{"CHAIR", "3", "ACME"}, {"DESK", "1", ""}, {"BENCH", "2", ""}, {"DESK", ""}}),
      "ABCD", ".TRM");
  EXPECT_EQ(outcome.message.text, "2 '.TRM' file(s) starting from ABCD generated.");
  EXPECT_TRUE(outcome.closeWindow);
  // The CHAIR scan ends at DESK: its BACK record after DESK is never reached.
  EXPECT_EQ(ReadFile(kTwoMillimetre),
            "[BASIC.TLF]\r\n\"MS\",\"G1\",\"2\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
            "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n"
            "[SHEET.TLF]\r\n\"2500\",\"1250\",\"\",\"10\",\"10\",\"10\",\"10\",\"BAY 1\"\r\n"
            "[END]\r\n[CUT.TLF]\r\n"
            "\"400\",\"400\",\"3\",\"\",\"SEAT\",\"CHAIR\",\"ACME\"\r\n"
            "\"600\",\"50\",\"12\",\"\",\"LEG\",\"CHAIR\",\"ACME\"\r\n"
            "\"100\",\"100\",\"1\",\"\",\"TAG\",\"\",\"\"\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n");
  EXPECT_NE(ReadFile(kThreeMillimetre).find("\"1200\",\"600\",\"1\",\"\",\"TOP\",\"DESK\",\"\""),
            std::string::npos);
  EXPECT_EQ(ReadFile("tmp.tlf"), ReadFile(kThreeMillimetre));
  EXPECT_EQ(ReadFile("loadprod.tlf"),
            "\"CHAIR\",\"3\",\"ACME\"\r\n\"DESK\",\"1\",\"\"\r\n\"BENCH\",\"2\",\"\"\r\n"
            "\"DESK\",\"\",\"\"\r\n");

  outcome = LoadProducts(OrderGrid({{"DESK", "2"}}), "ABCD", ".TRM");
  EXPECT_EQ(outcome.message.text, "1 '.TRM' file(s) starting from ABCD generated.");
  EXPECT_FALSE(std::filesystem::exists(kTwoMillimetre));  // the prefix's earlier files go
  EXPECT_FALSE(std::filesystem::exists("ABCD-old.trm"));
  EXPECT_TRUE(std::filesystem::exists(kThreeMillimetre));
  EXPECT_TRUE(std::filesystem::exists("other.TRM"));
}

TEST_F(ProductLoading, NoDefaultsOrNothingToGenerateKeepsTheWindowOpen) {
  std::filesystem::remove("Defaults");
  WriteFile("ABCD-old.TRM", "x");
  LoadOutcome outcome = LoadProducts(OrderGrid({{"CHAIR", "1"}}), "ABCD", ".TRM");
  EXPECT_FALSE(outcome.closeWindow);
  EXPECT_TRUE(std::filesystem::exists("ABCD-old.TRM"));  // nothing written or deleted
  EXPECT_FALSE(std::filesystem::exists("loadprod.tlf"));
  EXPECT_FALSE(std::filesystem::exists("tmp.tlf"));
  WriteFile("Defaults", kDefaults);
  std::filesystem::remove("plm.dat");
  outcome = LoadProducts(OrderGrid({{"CHAIR", "1"}}), "ABCD", ".TRM");
  EXPECT_EQ(outcome.message.icon, MessageIcon::Exclamation);
  EXPECT_FALSE(outcome.closeWindow);
}

TEST_F(ProductLoading, ProductListFollowsTheSortedLibrary) {
  Grid grid = testing::LaidOutGrid(ProductLibraryTags(),
                                   {{"TABLE", "", "MS"},
                                    {"chair", "", "MS"},
                                    {"", "", "MS"},
                                    {"TABLE", "", "MS"},
                                    {"BENCH", "", "MS"},
                                    {}},
                                   kProductLibraryWorkingCopy);
  GridEditorHost host;
  ASSERT_TRUE(SaveProductLibrary(grid, host));
  EXPECT_EQ(ReadFile("products.lst"), "\"BENCH\"\r\n\"chair\"\r\n\"TABLE\"\r\n");
  EXPECT_EQ(ReadProductList(), (std::vector<std::string>{"BENCH", "chair", "TABLE"}));
  EXPECT_EQ(ReadFile("plm.dat").substr(0, 8), "\"\",\"\",\"M");  // the nameless record sorts first
}

// --- Saving the Material Library -------------------------------------------------------

const auto Line = testing::QuotedLine;

// The library grid as its window holds it: bound to the working copy, with a blank entry row.
Grid LibraryGrid(std::vector<std::vector<std::string>> rows) {
  rows.emplace_back();
  return testing::LaidOutGrid(MaterialLibraryTags(), rows, kMaterialLibraryWorkingCopy);
}

using MaterialLibrary = testing::InWorkDir;

TEST_F(MaterialLibrary, SaveSortsByMaterialAndMergesEqualSizes) {
  GridEditorHost host;
  Grid grid = LibraryGrid({{"MS", "A", "2", "2500", "1250", "3", "BAY 1"},
                           {"AL", "H14", "2", "2000", "1000", "3", ""},
                           {"ms", "A", "2", "2500", "1250", "5", "BAY 1"},
                           {},
                           {"MS", "A", "2.0", "2500", "1250", "4", "BAY 1"},
                           {"AL", "H14", "2", "2000", "1000", "-3", ""}});
  ASSERT_TRUE(SaveMaterialLibrary(grid, host));
  EXPECT_EQ(ReadFile("mlm.dat"), Line({"AL", "H14", "2", "2000", "1000", "", ""}) +
                                     Line({"MS", "A", "2", "2500", "1250", "7", "BAY 1"}) +
                                     Line({"ms", "A", "2", "2500", "1250", "5", "BAY 1"}));
}

TEST_F(MaterialLibrary, AnEmptiedRecordEndsTheScanOnceItsMaterialWasMet) {
  // Sorted on QTY within the size: B1, B2, B3, B1, B2. The first B1 takes the second; the B2
  // scan meets B3, then the emptied record, and stops short of the second B2.
  GridEditorHost host;
  Grid grid = LibraryGrid({{"MS", "A", "2", "900", "600", "1", "B1"},
                           {"MS", "A", "2", "900", "600", "2", "B2"},
                           {"MS", "A", "2", "900", "600", "3", "B3"},
                           {"MS", "A", "2", "900", "600", "4", "B1"},
                           {"MS", "A", "2", "900", "600", "5", "B2"}});
  ASSERT_TRUE(SaveMaterialLibrary(grid, host));
  EXPECT_EQ(ReadFile("mlm.dat"), Line({"MS", "A", "2", "900", "600", "5", "B1"}) +
                                     Line({"MS", "A", "2", "900", "600", "2", "B2"}) +
                                     Line({"MS", "A", "2", "900", "600", "3", "B3"}) +
                                     Line({"MS", "A", "2", "900", "600", "5", "B2"}));
}

}  // namespace
}  // namespace trimora
