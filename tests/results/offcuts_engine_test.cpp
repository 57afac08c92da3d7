// The off-cut derivation on a layout the engine made: free areas left in the area list after
// later blocks were placed into them overlap pieces and each other, and reach past the used
// length. Only material really left over may be listed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/layout_results.h"
#include "engine/optimization_run.h"
#include "results/offcuts.h"
#include "results/results_model.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

bool Overlap(float xs, float ys, float xe, float ye, const AreaRecord& o) {
  return xs < o.XE && xe > o.XS && ys < o.YE && ye > o.YS;
}

class OffcutsOfAnEngineLayout : public testing::InWorkDir {
 protected:
  void SetUp() override {
    WriteFile("basic.tlf", "\"MS\",\"S275\",\"2\",\"1550\",\"10\",\"3\",\"\"\r\n");
    WriteFile("options.tlf", "-1,0\r\n");
    WriteFile("sheet.tlf", "\"3000\",\"1500\",\"4\",\"10\",\"10\",\"10\",\"10\",\"BAY 2\"\r\n");
    WriteFile("cut.tlf",
              "\"1200\",\"450\",\"3\",\"0\",\"BACK\",\"\",\"\"\r\n"
              "\"500\",\"120\",\"6\",\"0\",\"STRIP\",\"\",\"\"\r\n"
              "\"350\",\"150\",\"4\",\"0\",\"BRACKET\",\"\",\"\"\r\n");
    RunControl control;
    ASSERT_TRUE(RunOptimization(control).resultsWritten);
    ASSERT_EQ(BuildResultsModel(model_), ResultsStatus::kReady);
  }
  ResultsModel model_;
};

TEST_F(OffcutsOfAnEngineLayout, TheRawFreeAreasOverlapPieces) {
  // The case this derivation mends: without it a free area would be listed over a piece.
  int overlaps = 0;
  for (const AreaRecord& f : model_.records) {
    if (f.TYPE != kFreeArea) continue;
    for (const AreaRecord& p : model_.records) {
      if (p.TYPE > 0 && p.layout == f.layout && Overlap(f.XS, f.YS, f.XE, f.YE, p)) ++overlaps;
    }
  }
  EXPECT_GT(overlaps, 0);
}

TEST_F(OffcutsOfAnEngineLayout, ListedFreeAreasOverlapNoPieceNoOtherAndStayInTheUsedLength) {
  const std::vector<OffcutRow> rows = DeriveOffcuts(model_.records, model_.basic.KERF, {});
  ASSERT_FALSE(rows.empty());
  std::vector<AreaRecord> listed;  // the free-area rows as rectangles
  for (const OffcutRow& row : rows) {
    const AreaRecord* outline = nullptr;
    bool isMargin = false;
    for (const AreaRecord& r : model_.records) {
      if (r.layout == row.layout && r.TYPE == kRollOutline) outline = &r;
      if (r.layout == row.layout && r.TYPE == kMarginStrip && r.XS == row.XS && r.YS == row.YS &&
          r.XE == row.XE && r.YE == row.YE) {
        isMargin = true;
      }
    }
    ASSERT_NE(outline, nullptr);
    if (isMargin) continue;
    EXPECT_LE(row.YE, outline->YE);
    for (const AreaRecord& p : model_.records) {
      if (p.TYPE > 0 && p.layout == row.layout) {
        EXPECT_FALSE(Overlap(row.XS, row.YS, row.XE, row.YE, p))
            << "free area " << row.XS << "," << row.YS << "," << row.XE << "," << row.YE;
      }
    }
    for (const AreaRecord& other : listed) {
      if (other.layout == row.layout) EXPECT_FALSE(Overlap(row.XS, row.YS, row.XE, row.YE, other));
    }
    listed.push_back({row.layout, kFreeArea, 0, row.XS, row.YS, row.XE, row.YE, row.QTY, 0});
  }
  EXPECT_FALSE(listed.empty());
}

TEST_F(OffcutsOfAnEngineLayout, PieceAndOffcutAreaFitTheUsedStock) {
  // Per layout: pieces plus listed free areas never exceed the stock the layout uses.
  const std::vector<OffcutRow> rows = DeriveOffcuts(model_.records, model_.basic.KERF, {});
  for (int16_t n = 1; n <= model_.layouts; ++n) {
    double stock = 0, used = 0;
    for (const AreaRecord& r : model_.records) {
      if (r.layout != n) continue;
      if (r.TYPE == kRollOutline) stock = double(r.XE - r.XS) * (r.YE - r.YS);
      if (r.TYPE > 0) used += double(r.XE - r.XS) * (r.YE - r.YS);
    }
    for (const OffcutRow& row : rows) {
      bool isMargin = false;
      for (const AreaRecord& r : model_.records) {
        isMargin = isMargin || (r.layout == n && r.TYPE == kMarginStrip && r.XS == row.XS &&
                                r.YS == row.YS && r.XE == row.XE && r.YE == row.YE);
      }
      if (row.layout == n && !isMargin) used += double(row.XE - row.XS) * (row.YE - row.YS);
    }
    EXPECT_LE(used, stock) << "layout " << n;
  }
}

}  // namespace
}  // namespace trimora

namespace trimora {
namespace {

// The layout the engine made for the job above (dia.tlf as it wrote it), with its off-cuts
// worked out by hand: free area 13 is a sliver, 14 is cut back to 1582, 19 is cut back and
// loses its right part to piece 23, 24 is cut back and keeps its part left of piece 12, 25 lies
// wholly beyond the used length.
constexpr const char* kEngineLayout =
    "1,-1,1,0,0,1503,1582,1,0\r\n1,-2,1,0,0,10,1582,1,0\r\n1,-2,1,10,0,1503,10,1,0\r\n"
    "1,-2,1,1493,10,1503,1582,1,0\r\n1,-2,1,10,2993,1493,1582,1,0\r\n"
    "1,1,1,10,10,463,1213,1,1\r\n1,1,1,463,10,916,1213,1,1\r\n1,1,1,916,10,1369,1213,1,1\r\n"
    "1,-6,1,0,1213,1503,1213,1,0\r\n1,2,1,1369,10,1492,513,1,1\r\n"
    "1,2,1,1369,513,1492,1016,1,1\r\n1,2,1,1369,1016,1492,1519,1,1\r\n"
    "1,-4,1,1492,10,1493,2993,1,0\r\n1,-4,1,1369,1519,1493,2993,1,0\r\n"
    "1,3,1,10,1213,163,1566,1,1\r\n1,3,1,163,1213,316,1566,1,1\r\n"
    "1,3,1,316,1213,469,1566,1,1\r\n1,3,1,469,1213,622,1566,1,1\r\n"
    "1,-4,1,10,1566,1493,2993,1,0\r\n1,-6,1,0,1566,1503,1566,1,0\r\n"
    "1,2,1,622,1213,1125,1336,1,2\r\n1,2,1,622,1336,1125,1459,1,2\r\n"
    "1,2,1,622,1459,1125,1582,1,2\r\n1,-4,1,1125,1213,1493,2993,1,0\r\n"
    "1,-4,1,622,1582,1493,2993,1,0\r\n";

TEST(OffcutsOfAnEngineLayoutFile, RowsWorkedOutByHand) {
  testing::ScopedWorkDir dir;
  testing::WriteFile("dia.tlf", kEngineLayout);
  AreaList records(1);
  ASSERT_EQ(ReadLayoutResults(records), LayoutResultsStatus::kLayouts);
  EXPECT_EQ(OffcutText(DeriveOffcuts(records, 3, {})),
            "1,1579,7,1,\"\"\r\n1,1490,7,1,\"\"\r\n1,1569,7,1,\"\"\r\n"
            "1,121,60,1,\"\"\r\n1,609,13,1,\"\"\r\n1,366,241,1,\"\"\r\n");
}

}  // namespace
}  // namespace trimora
