// The off-cut derivation on a plan the engine made: free areas left in the area list after
// later blocks were placed into them overlap pieces and each other, and reach past the used
// length. Only material really left over may be listed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/optimization_run.h"
#include "results/offcuts.h"
#include "results/results_model.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

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
  std::vector<const AreaRecord*> pieces;
  std::vector<double> stock(size_t(model.layouts) + 1), used(stock.size()), length(stock.size());
  int rawOverlaps = 0;  // the case the derivation mends
  for (const AreaRecord& r : model.records) {
    if (r.TYPE == kRollOutline) {
      stock[size_t(r.layout)] = double(r.XE - r.XS) * (r.YE - r.YS);
      length[size_t(r.layout)] = r.YE;
    }
    if (r.TYPE > 0) pieces.push_back(&r);
  }
  for (const AreaRecord& f : model.records) {
    for (const AreaRecord* p : pieces) rawOverlaps += f.TYPE == kFreeArea && Overlap(f, *p);
  }
  ASSERT_GT(rawOverlaps, 0);
  for (const AreaRecord* p : pieces)
    used[size_t(p->layout)] += double(p->XE - p->XS) * (p->YE - p->YS);

  std::vector<AreaRecord> listed;  // the free-area rows, margin strips left out
  for (const OffcutRow& row : DeriveOffcuts(model.records, model.basic.KERF, {})) {
    const AreaRecord area{row.layout, kFreeArea, 0, row.XS, row.YS, row.XE, row.YE, row.QTY, 0};
    bool isMargin = false;
    for (const AreaRecord& r : model.records) {
      isMargin = isMargin || (r.layout == row.layout && r.TYPE == kMarginStrip && r.XS == row.XS &&
                              r.YS == row.YS && r.XE == row.XE && r.YE == row.YE);
    }
    if (isMargin) continue;
    EXPECT_LE(row.YE, length[size_t(row.layout)]);
    for (const AreaRecord* p : pieces) EXPECT_FALSE(Overlap(area, *p)) << row.XS << "," << row.YS;
    for (const AreaRecord& other : listed) EXPECT_FALSE(Overlap(area, other)) << row.XS;
    used[size_t(row.layout)] += double(row.XE - row.XS) * (row.YE - row.YS);
    listed.push_back(area);
  }
  EXPECT_FALSE(listed.empty());
  // Per layout, pieces and listed areas never exceed the stock the layout uses.
  for (size_t n = 1; n < stock.size(); ++n) EXPECT_LE(used[n], stock[n]) << "layout " << n;
}

}  // namespace
}  // namespace trimora
