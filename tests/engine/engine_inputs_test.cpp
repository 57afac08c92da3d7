#include "engine/engine_inputs.h"

#include <gtest/gtest.h>

#include "storage/job_tables.h"

namespace trimora {
namespace {

// Grids as the job-entry windows hold them: the given rows, then the blank entry row.
Grid GridWith(const TableDefinition& table, const std::vector<std::vector<std::string>>& rows) {
  Grid grid = MakeTableGrid(table);
  grid.SetRowCount(int(rows.size()) + 2);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) grid.SetText(int(r) + 1, int(c) + 1, rows[r][c]);
  }
  return grid;
}

struct Inputs {
  BasicDetails basic;
  RollList rolls;
  CutList cuts;
  int16_t mode = -1;
  std::vector<InputNote> notes;
};

Inputs Read(const std::string& blade, const std::vector<std::vector<std::string>>& sheets,
            const std::vector<std::vector<std::string>>& cuts, OptimizeOptions options = {},
            const std::string& kerf = "0") {
  Inputs in;
  ReadEngineInputs(GridWith(BasicDetailsTable(), {{"MS", "S275", "2", blade, "10", kerf, "N"}}),
                   GridWith(RollSpecificationsTable(), sheets), GridWith(CutPieceTable(), cuts),
                   options, in.basic, in.rolls, in.cuts, in.mode, &in.notes);
  return in;
}

TEST(ReadEngineInputs, RollIsNormalisedAndBlankQtyIsUnlimited) {
  const std::vector<std::string> roll{"1000", "2500", "", "10", "10", "10", "10", "BAY 4"};
  Inputs in = Read("1200", {roll}, {});
  ASSERT_EQ(RecordCount(in.rolls), 1);
  const RollRecord& r = in.rolls[1];
  EXPECT_EQ(r.LENGTH, 2500);
  EXPECT_EQ(r.WIDTH, 1000);
  EXPECT_EQ(r.QTY, 9999999);
  EXPECT_EQ(r.LOCATION, "BAY 4");

  EXPECT_EQ(RecordCount(Read("900", {roll}, {}).rolls), 0);   // wider than the blade
  EXPECT_EQ(RecordCount(Read("1000", {roll}, {}).rolls), 1);  // equal is allowed
}

TEST(ReadEngineInputs, RollsWithoutUsableAreaOrStockAreDropped) {
  Inputs in = Read("3000",
                   {{"2500", "1250", "4", "0", "1250", "0", "1250"},  // M(T) + M(B) = LENGTH
                    {"2500", "1250", "4", "600", "0", "650", "0"},    // no width left
                    {"2500", "1250", "-2"},                           // negative stock
                    {"2500", "1250", "0.5"},                          // less than one sheet
                    {"2500", "1250", "2.9", "5", "5", "5", "5"}},     // two whole sheets
                   {});
  ASSERT_EQ(RecordCount(in.rolls), 1);
  EXPECT_EQ(in.rolls[1].QTY, 2);
  EXPECT_EQ(in.notes.size(), 6u);  // four drops and two changed quantities
}

TEST(ReadEngineInputs, CutsAreNormalisedAndZeroQtyIsDropped) {
  Inputs in = Read("1200", {},
                   {{"300", "600", "4", "2", "DOOR", "ACME", "SITE 1"},
                    {"300", "600", "0"},
                    {"300", "0", "4"},
                    {"ABC", "600", "4"},
                    {"400", "200", "2.5", "1"},
                    {"400", "200", "0.5", "1"}});
  ASSERT_EQ(RecordCount(in.cuts), 3);
  EXPECT_EQ(in.cuts[1].LENGTH, 600);
  EXPECT_EQ(in.cuts[1].WIDTH, 300);
  EXPECT_EQ(in.cuts[1].ORN, 2);  // the sizes swap, the orientation lock stays
  EXPECT_EQ(in.cuts[1].SITE, "SITE 1");
  EXPECT_EQ(in.cuts[2].QTY, 3);  // fractional demand rounded up
  EXPECT_EQ(in.cuts[3].QTY, 1);
  ASSERT_EQ(in.notes.size(), 5u);
  EXPECT_EQ(in.notes[3].table, "cut");
  EXPECT_EQ(in.notes[3].row, 5);
  EXPECT_EQ(in.notes[3].text, "QTY 2.5 taken as 3");
}

TEST(ReadEngineInputs, TheEntryRowIsNeverRead) {
  Grid cuts = GridWith(CutPieceTable(), {{"600", "300", "1"}, {"700", "200", "5"}});
  cuts.SetRowCount(cuts.RowCount() - 1);  // the second row is now the entry row
  Inputs in;
  ReadEngineInputs(GridWith(BasicDetailsTable(), {}), GridWith(RollSpecificationsTable(), {}), cuts,
                   {}, in.basic, in.rolls, in.cuts, in.mode);
  EXPECT_EQ(RecordCount(in.cuts), 1);
}

TEST(StartChecks, MessagesInTheirOrder) {
  const std::vector<std::string> roll{"2500", "1250", "1"};
  const std::vector<std::string> cut{"600", "300", "1"};
  Inputs in = Read("0", {}, {});
  EXPECT_EQ(ApplyBladeReachAndCheck(in.basic, in.rolls, in.cuts),
            std::string("Wrong BLADE specfied.\n") + kBladeAndKerfHint);

  in = Read("", {roll}, {cut}, {}, "5");  // blank blade, kerf 5: no roll is narrow enough
  EXPECT_EQ(ApplyBladeReachAndCheck(in.basic, in.rolls, in.cuts), "No valid SHEETS specified.");

  in = Read("1300", {roll}, {});
  EXPECT_EQ(ApplyBladeReachAndCheck(in.basic, in.rolls, in.cuts), "No valid CUT-PIECES specfied.");

  in = Read("1300", {roll}, {cut}, {}, "5");
  EXPECT_EQ(ApplyBladeReachAndCheck(in.basic, in.rolls, in.cuts), "");
  EXPECT_EQ(in.basic.BLADE, 1305);
}

}  // namespace
}  // namespace trimora
