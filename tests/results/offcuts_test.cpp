#include "results/offcuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/optimization_run.h"
#include "results/results_fixtures.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::Rec;
using testing::WriteFile;
using Lines = std::vector<std::string>;

Lines DerivedLines(std::vector<AreaRecord> records, float kerf, ScrapLimits limits = {}) {
  AreaList list(1);
  list.insert(list.end(), records.begin(), records.end());
  Lines lines;
  for (const auto& row : DeriveOffcuts(list, kerf, limits)) lines.push_back(OffcutLine(row));
  return lines;
}

TEST(OffcutDerivation, KerfScrapAndMarginStrips) {
  // The kerf comes off each size, the longer side is the length.
  EXPECT_EQ(DerivedLines({Rec(1, -1, 1, 0, 0, 1005, 2000, 1), Rec(1, -4, 1, 0, 0, 305, 1005, 1),
                          Rec(1, -4, 1, 0, 1005, 305, 1210, 1)},
                         5),
            (Lines{"1,1000,300,1,\"\"", "1,300,200,1,\"\""}));
  EXPECT_EQ(OffcutText({{2, 1005, 0.5f, 3, "SCRAP"}}), "2,1005,.5,3,\"SCRAP\"\r\n");
  // Scrap when the length or the width is at most its limit.
  EXPECT_TRUE(IsScrap(500, 400, ScrapLimits{500, 100}));
  EXPECT_EQ(DerivedLines({Rec(2, -1, 1, 0, 0, 1010, 1010, 3), Rec(2, -2, 1, 0, 0, 10, 1010, 3),
                          Rec(2, -4, 1, 10, 0, 611, 101, 3)},
                         0, {500, 100}),
            (Lines{"2,1010,10,3,\"SCRAP\"", "2,601,101,3,\"\""}));
  // A left strip narrower than the kerf and a bottom strip with YS below YE give nothing; the
  // top strip is not clipped although it meets the left strip's corner.
  EXPECT_EQ(DerivedLines({Rec(1, -1, 1, 0, 0, 1255, 1500, 4), Rec(1, -2, 1, 0, 0, 3, 1500, 4),
                          Rec(1, -2, 1, 3, 0, 1255, 20, 4), Rec(1, -2, 1, 0, 0, 1255, 20, 4),
                          Rec(1, -2, 1, 3, 2490, 1255, 1500, 4)},
                         5),
            (Lines{"1,1247,15,4,\"\"", "1,1250,15,4,\"\""}));
}

TEST(OffcutClipping, FreeAreasKeepOnlyWhatNoPieceOrEarlierOffcutCovers) {
  // Cut back to the used length; what lies wholly beyond it goes.
  EXPECT_EQ(DerivedLines({Rec(1, -1, 1, 0, 0, 1000, 800, 1), Rec(1, -4, 1, 600, 0, 1000, 2000, 1),
                          Rec(1, -4, 1, 0, 800, 600, 2000, 1)},
                         0),
            (Lines{"1,800,400,1,\"\""}));
  // A piece in the middle of the left edge: the right part 300 x 1000 beats the top
  // (100 x 500) and the bottom (500 x 500) parts.
  const AreaRecord outline = Rec(1, -1, 1, 0, 0, 500, 1000, 1);
  EXPECT_EQ(
      DerivedLines(
          {outline, Rec(1, 1, 1, 0, 100, 200, 500, 1, 1), Rec(1, -4, 1, 0, 0, 500, 1000, 1)}, 0),
      (Lines{"1,1000,300,1,\"\""}));
  // An area touching a piece stays whole, and a piece of another layout is no obstacle.
  EXPECT_EQ(DerivedLines(
                {outline, Rec(1, 1, 1, 0, 0, 500, 600, 1, 1), Rec(1, -4, 1, 0, 600, 500, 1000, 1),
                 Rec(2, -1, 1, 0, 0, 500, 1000, 1), Rec(2, -4, 1, 0, 0, 500, 1000, 1)},
                0),
            (Lines{"1,500,400,1,\"\"", "2,1000,500,1,\"\""}));
  // The second area loses the corner it shares with the first: its top part (300000) beats
  // its right part (280000). A sliver narrower than the kerf is not written and so does not
  // clip the third.
  EXPECT_EQ(DerivedLines({Rec(1, -1, 1, 0, 0, 1000, 1000, 2), Rec(1, -4, 1, 0, 500, 600, 1000, 2),
                          Rec(1, -4, 1, 400, 0, 1000, 700, 2), Rec(1, -4, 1, 0, 0, 2, 300, 2),
                          Rec(1, -4, 1, 0, 0, 300, 400, 2)},
                         5),
            (Lines{"1,595,495,2,\"\"", "1,595,495,2,\"\"", "1,395,295,2,\"\""}));
}

class OffcutFiles : public testing::InWorkDir {};

TEST_F(OffcutFiles, ScrapLimitsInEitherOrderFromTheFirstRecord) {
  for (const char* text : {"\"100\",\"500\"\r\n\"9000\",\"9000\"\r\n", "\"500\",\"100\"\r\n"}) {
    WriteFile("scrap.dat", text);
    EXPECT_EQ(ReadScrapLimits().length, 500.0f) << text;
    EXPECT_EQ(ReadScrapLimits().width, 100.0f) << text;
  }
}

TEST_F(OffcutFiles, ExportAppendsOneLibraryRecordPerRowAndTheStockConsumption) {
  WriteFile("mlm.dat", "\"AL\",\"\",\"1\",\"2000\",\"1000\",\"3\",\"\"\r\n");
  WriteFile("sheets.Adj", "\"2500\",\"1250\",\"2\",\"BAY 1\"\r\n\r\n");
  Grid grid;
  grid.SetColumnCount(6);
  grid.SetRowCount(3);
  const char* rows[2][5] = {{"1", "1000", "300", "4", ""}, {"2", "1005", "5", "3", "SCRAP"}};
  for (int c = 0; c < 5; ++c) {
    for (int r = 0; r < 2; ++r) grid.SetText(r + 1, c + 1, rows[r][c]);
  }
  ASSERT_TRUE(AppendExportRecords(grid, "MS", "S275", "2"));
  EXPECT_EQ(testing::ReadFile("mlm.dat"),
            "\"AL\",\"\",\"1\",\"2000\",\"1000\",\"3\",\"\"\r\n"
            "\"MS\",\"S275\",\"2\",\"1000\",\"300\",\"4\",\"\"\r\n"
            "\"MS\",\"S275\",\"2\",\"1005\",\"5\",\"3\",\"SCRAP\"\r\n"
            "\"MS\",\"S275\",\"2\",\"2500\",\"1250\",\"-2\",\"BAY 1\"\r\n");
}

// --- On a plan the engine made --------------------------------------------------------------
// Free areas left in the area list after later blocks were placed into them overlap pieces and
// each other, and reach past the used length. Only material really left over may be listed.
bool Overlap(const AreaRecord& a, const AreaRecord& b) {
  return a.layout == b.layout && a.XS < b.XE && a.XE > b.XS && a.YS < b.YE && a.YE > b.YS;
}

class OffcutsOfAnEngineLayout : public testing::InWorkDir {};

TEST_F(OffcutsOfAnEngineLayout, ListedAreasOverlapNothingAndStayInTheUsedStock) {
  WriteFile("basic.tlf", "\"MS\",\"S275\",\"2\",\"1550\",\"10\",\"3\",\"\"\r\n");
  WriteFile("options.tlf", "-1,0\r\n");
  WriteFile("sheet.tlf", "\"3000\",\"1500\",\"4\",\"10\",\"10\",\"10\",\"10\",\"BAY 2\"\r\n");
  WriteFile("cut.tlf",
            "\"1200\",\"450\",\"3\",\"0\",\"BACK\",\"\",\"\"\r\n"
            "\"500\",\"120\",\"6\",\"0\",\"STRIP\",\"\",\"\"\r\n"
            "\"350\",\"150\",\"4\",\"0\",\"BRACKET\",\"\",\"\"\r\n");
  RunControl control;
  ASSERT_TRUE(RunOptimization(control).resultsWritten);
  ResultsModel model;
  ASSERT_EQ(BuildResultsModel(model), ResultsStatus::kReady);
  std::vector<const AreaRecord*> pieces, outlines(size_t(model.layouts) + 1);
  for (const AreaRecord& r : model.records) {
    if (r.TYPE == kRollOutline) outlines[size_t(r.layout)] = &r;
    if (r.TYPE > 0) pieces.push_back(&r);
  }
  int rawOverlaps = 0;  // the case the derivation mends
  for (const AreaRecord& f : model.records) {
    for (const AreaRecord* p : pieces) rawOverlaps += f.TYPE == kFreeArea && Overlap(f, *p);
  }
  ASSERT_GT(rawOverlaps, 0);

  std::vector<AreaRecord> listed;  // the free-area rows, margin strips left out
  for (const OffcutRow& row : DeriveOffcuts(model.records, model.basic.KERF, {})) {
    const AreaRecord area{row.layout, kFreeArea, 0, row.XS, row.YS, row.XE, row.YE, row.QTY, 0};
    bool isMargin = false;
    for (const AreaRecord& r : model.records) {
      isMargin = isMargin || (r.layout == row.layout && r.TYPE == kMarginStrip && r.XS == row.XS &&
                              r.YS == row.YS && r.XE == row.XE && r.YE == row.YE);
    }
    if (isMargin) continue;
    const AreaRecord& outline = *outlines[size_t(row.layout)];
    EXPECT_TRUE(row.XS >= 0 && row.YS >= 0 && row.XE <= outline.XE && row.YE <= outline.YE)
        << row.XS << "," << row.YS << " leaves the used stock";
    for (const AreaRecord* p : pieces) EXPECT_FALSE(Overlap(area, *p)) << row.XS << "," << row.YS;
    for (const AreaRecord& other : listed) EXPECT_FALSE(Overlap(area, other)) << row.XS;
    listed.push_back(area);
  }
  EXPECT_FALSE(listed.empty());
}

}  // namespace
}  // namespace trimora
