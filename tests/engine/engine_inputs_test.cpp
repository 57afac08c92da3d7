// What the engine reads: the job's tables, as the job-entry windows hold them, and dia.tlf.

#include "engine/engine_inputs.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/layout_results.h"
#include "grid/grid_fixtures.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

// Grids as the job-entry windows hold them: the given rows, then the blank entry row.
Grid GridWith(const TableDefinition& table, std::vector<std::vector<std::string>> rows) {
  rows.emplace_back();
  return testing::TableGrid(table, rows);
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

// Rolls typed the short side first, of blank QTY, and as wide as the blade are golden jobs; a
// roll wider than the blade is dropped in the command line's check.
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
  const CutRecord& c = in.cuts[1];  // the sizes swap, the orientation lock stays
  EXPECT_EQ(std::tuple(c.LENGTH, c.WIDTH, c.ORN, c.SITE), std::tuple(600, 300, 2, "SITE 1"));
  EXPECT_EQ(in.cuts[2].QTY, 3);  // fractional demand rounded up
  EXPECT_EQ(in.cuts[3].QTY, 1);
  ASSERT_EQ(in.notes.size(), 5u);
  const InputNote& note = in.notes[3];
  EXPECT_EQ(note.table + std::to_string(note.row) + ": " + note.text, "cut5: QTY 2.5 taken as 3");
}

TEST(ReadEngineInputs, TheEntryRowIsNeverRead) {
  Grid cuts = GridWith(CutPieceTable(), {{"600", "300", "1"}, {"700", "200", "5"}});
  cuts.SetRowCount(cuts.RowCount() - 1);  // the second row is now the entry row
  Inputs in;
  ReadEngineInputs(GridWith(BasicDetailsTable(), {}), GridWith(RollSpecificationsTable(), {}), cuts,
                   {}, in.basic, in.rolls, in.cuts, in.mode);
  EXPECT_EQ(RecordCount(in.cuts), 1);
}

// A blank BLADE is not refused as a wrong one: its reach is the kerf alone.
TEST(StartChecks, TheBladeReachIsBladePlusKerf) {
  const std::vector<std::string> roll{"2500", "1250", "1"};
  const std::vector<std::string> cut{"600", "300", "1"};
  Inputs in = Read("", {roll}, {cut}, {}, "5");  // blank blade, kerf 5: no roll is narrow enough
  EXPECT_EQ(ApplyBladeReachAndCheck(in.basic, in.rolls, in.cuts), "No valid SHEETS specified.");
  in = Read("1300", {roll}, {cut}, {}, "5");
  EXPECT_EQ(ApplyBladeReachAndCheck(in.basic, in.rolls, in.cuts), "");
  EXPECT_EQ(in.basic.BLADE, 1305);
}

// --- Reading dia.tlf back ---------------------------------------------------------------
// How the engine writes it is guarded byte for byte by the golden plans.

// Element 0 holds no area; the records of layout 7, cut 12 times, follow from index 1.
AreaList List(std::initializer_list<AreaRecord> records) {
  AreaList list(1);
  for (AreaRecord r : records) list.push_back({7, r.TYPE, 1, r.XS, r.YS, r.XE, r.YE, 12, 2});
  return list;
}

AreaRecord Rect(int16_t type, float xs, float ys, float xe, float ye) {
  return {0, type, 1, xs, ys, xe, ye, 0, 0};
}

class LayoutResultsFile : public testing::InWorkDir {};

// Seven significant digits go round; the reader also takes longer number text and lone line
// feeds, and leaves element 0, the caller's, alone.
TEST_F(LayoutResultsFile, RoundTripKeepsSevenSignificantDigitsAndTheReaderIsLenient) {
  const AreaList plan = List({Rect(kRollOutline, 0, 0, 1005.123f, 2400),
                              Rect(3, 1.0f / 3.0f, 2.0f / 3.0f, 12345678.9f, 0.000123456f)});
  AreaList read{Rect(kDeadArea, 1, 2, 3, 4)};
  EXPECT_EQ(ReadLayoutResults(read), LayoutResultsStatus::kNoResults);  // no file yet
  ASSERT_TRUE(WriteLayoutResults(plan));
  ASSERT_EQ(ReadLayoutResults(read), LayoutResultsStatus::kLayouts);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].TYPE, kDeadArea);
  for (size_t k = 1; k < read.size(); ++k) {
    EXPECT_EQ(LayoutResultsLine(read[k]), LayoutResultsLine(plan[k]));
  }
  WriteFile("dia.tlf", "1,-1,2,0,0,1005.12345678,2.4E+03,3,0\n1,1,2, 10 ,10,315,615,3,1");
  ASSERT_EQ(ReadLayoutResults(read), LayoutResultsStatus::kLayouts);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(LayoutResultsLine(read[1]), "1,-1,2,0,0,1005.123,2400,3,0");
  EXPECT_EQ(LayoutResultsLine(read[2]), "1,1,2,10,10,315,615,3,1");
  // An empty plan empties the old file, which then reads as no results, the list untouched.
  ASSERT_TRUE(WriteLayoutResults(List({})));
  EXPECT_EQ(ReadLayoutResults(read), LayoutResultsStatus::kNoResults);
  EXPECT_EQ(read.size(), 3u);
}

// A malformed file never yields part of a plan, however many good lines come first.
TEST_F(LayoutResultsFile, TruncatedOrMalformedFileYieldsNoPlan) {
  for (const char* content : {
           "1,1,1,10,10,315\r\n",              // file ends in a record
           "1,1,1,10,10,315,615,3,1,0\r\n",    // ten values
           "1,1,1,10,TEN,315,615,3,1\r\n",     // text for a number
           "1,1,1,10,10,315,615,3,\r\n",       // empty field
           "1,1.5,1,10,10,315,615,3,1\r\n",    // fraction for an index
           "1,40000,1,10,10,315,615,3,1\r\n",  // beyond 16 bits
           "1,1,1,10,nan,315,615,3,1\r\n",     // not a coordinate
           "1,1,1,10,10,315px,615,3,1\r\n",    // trailing text
       }) {
    WriteFile("dia.tlf", std::string("1,-1,1,0,0,1005,2400,3,0\r\n") + content);
    AreaList list = List({Rect(1, 0, 0, 1, 1), Rect(1, 0, 0, 1, 1)});
    std::string error;
    EXPECT_EQ(ReadLayoutResults(list, &error), LayoutResultsStatus::kMalformed) << content;
    EXPECT_EQ(list.size(), 1u) << content;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace trimora
