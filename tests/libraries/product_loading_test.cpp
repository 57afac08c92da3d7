#include "libraries/product_loading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "grid/grid_header.h"
#include "libraries/product_library.h"
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

Grid OrderGrid(const std::vector<std::vector<std::string>>& rows) {
  Grid grid;
  ApplyColumnLayout(grid, BuildGridHeader({"PRODUCTS", "QTY", "CLIENT"}));
  grid.SetTag(kOrderFile);
  grid.SetRowCount(int(rows.size()) + 2);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) grid.SetText(int(r) + 1, int(c) + 1, rows[r][c]);
  }
  return grid;
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
  EXPECT_EQ(outcome.message, (Message{"2 '.TRM' file(s) starting from ABCD generated.",
                                      "Attention!", MessageButtons::Ok, MessageIcon::Information}));
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
  EXPECT_EQ(outcome.message,
            (Message{"The Defaults file is missing: save a job with Save As Defaults first.",
                     "Attention!", MessageButtons::Ok, MessageIcon::Exclamation}));
  EXPECT_FALSE(outcome.closeWindow);
  EXPECT_TRUE(std::filesystem::exists("ABCD-old.TRM"));  // nothing written or deleted
  EXPECT_FALSE(std::filesystem::exists("loadprod.tlf"));
  EXPECT_FALSE(std::filesystem::exists("tmp.tlf"));
  WriteFile("Defaults", kDefaults);
  std::filesystem::remove("plm.dat");
  outcome = LoadProducts(OrderGrid({{"CHAIR", "1"}}), "ABCD", ".TRM");
  EXPECT_EQ(outcome.message, (Message{"Could not generate '.TRM' files.", "Attention!",
                                      MessageButtons::Ok, MessageIcon::Exclamation}));
  EXPECT_FALSE(outcome.closeWindow);
}

TEST_F(ProductLoading, ProductListFollowsTheSortedLibrary) {
  Grid grid;
  ApplyColumnLayout(grid, BuildGridHeader(ProductLibraryTags()));
  grid.SetTag(kProductLibraryWorkingCopy);
  grid.SetRowCount(6);
  const char* names[] = {"TABLE", "chair", "", "TABLE", "BENCH"};
  for (int r = 1; r <= 5; ++r) {
    grid.SetText(r, 1, names[r - 1]);
    grid.SetText(r, 3, "MS");
  }
  GridEditorHost host;
  ASSERT_TRUE(SaveProductLibrary(grid, host));
  EXPECT_EQ(ReadFile("products.lst"), "\"BENCH\"\r\n\"chair\"\r\n\"TABLE\"\r\n");
  EXPECT_EQ(ReadProductList(), (std::vector<std::string>{"BENCH", "chair", "TABLE"}));
  EXPECT_EQ(ReadFile("plm.dat").substr(0, 8), "\"\",\"\",\"M");  // the nameless record sorts first
}

}  // namespace
}  // namespace trimora
