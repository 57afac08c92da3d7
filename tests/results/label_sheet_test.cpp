#include "results/label_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/report.h"
#include "results/results_fixtures.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::Cut;
using testing::ModelOf;
using testing::Rec;
using testing::Roll;
using testing::WriteFile;

// The five lines of a row of labels side by side, 30 characters apart, and VP empty lines.
std::string Row(const std::vector<std::vector<std::string>>& labels, int vp = 1) {
  std::string text;
  for (size_t line = 0; line < 5; ++line) {
    for (size_t k = 0; k < labels.size(); ++k) {
      const std::string& field = labels[k][line];
      text += k + 1 < labels.size() ? field + std::string(30 - field.size(), ' ') : field;
    }
    text += "\r\n";
  }
  for (int i = 0; i < vp; ++i) text += "\r\n";
  return text;
}

const std::vector<std::string> kBack = {"Mat=MS Grade=A Thk=2", "1200 X 450", "Descr:BACK PANEL",
                                        "Party:NORTHWIND", "Site:PLANT 2"};
const std::vector<std::string> kSide = {"Mat=MS Grade=A Thk=2", "600 X 300", "Descr:SIDE PANEL",
                                        "Party:NORTHWIND", "Site:PLANT 2"};

// Layout 1 cut 5 times: 7 pieces (4 of row 2, 3 of row 1) followed by a free area; layout 2:
// 2 pieces of row 1, its last record a piece.
ResultsModel TwoLayouts() {
  std::vector<AreaRecord> records = {Rec(1, -1, 1, 0, 0, 1250, 2000, 5),
                                     Rec(1, -2, 1, 0, 0, 10, 2000, 5)};
  for (int i = 0; i < 4; ++i)
    records.push_back(Rec(1, 2, 1, 10, 300.f * i, 610, 300.f * (i + 1), 5, 1));
  for (int i = 0; i < 3; ++i)
    records.push_back(Rec(1, 1, 1, 610, 450.f * i, 1060, 450.f * (i + 1), 5, 1));
  records.push_back(Rec(1, -4, 1, 10, 1350, 610, 2000, 5));
  records.push_back(Rec(2, -1, 1, 0, 0, 1250, 900, 1));
  records.push_back(Rec(2, 1, 1, 0, 0, 1200, 450, 1, 2));
  records.push_back(Rec(2, 1, 1, 0, 450, 1200, 900, 1, 2));
  return ModelOf(records, {Roll(2500, 1250)},
                 {Cut(1200, 450, "BACK PANEL", "NORTHWIND", "PLANT 2"),
                  Cut(600, 300, "SIDE PANEL", "NORTHWIND", "PLANT 2")});
}

TEST(LabelSheet, OneLabelPerPieceInRowsOfThreeAndAllLayoutsRunOnAcrossBoundaries) {
  ResultsModel model = TwoLayouts();
  const LabelDefinition threeAcross{3, 1, 30, 2, 1};
  EXPECT_EQ(LabelSheetText(model, threeAcross, 1),
            "\r\n\r\n" + Row({kSide, kSide, kSide}) + Row({kSide, kBack, kBack}) + Row({kBack}));
  // Layout 1's free area ends no row, so the pending label goes on with layout 2's pieces.
  EXPECT_EQ(LabelSheetText(model, threeAcross, 0), "\r\n\r\n" + Row({kSide, kSide, kSide}) +
                                                       Row({kSide, kBack, kBack}) +
                                                       Row({kBack, kBack, kBack}));
  // The last layout runs to the last record, with or without the report's table.
  EXPECT_EQ(LabelSheetText(model, threeAcross, 2), "\r\n\r\n" + Row({kBack, kBack}));
  ReportText(model);
  EXPECT_EQ(LabelSheetText(model, threeAcross, 2), "\r\n\r\n" + Row({kBack, kBack}));

  // Without the third BACK PANEL the second row is full at the sixth piece, so the free area
  // writes five empty lines and the VP empty lines.
  model.records.erase(model.records.begin() + 9);
  model.layoutStart.clear();
  EXPECT_EQ(LabelSheetText(model, {3, 1, 30, 0, 2}, 1), Row({kSide, kSide, kSide}, 2) +
                                                            Row({kSide, kBack, kBack}, 2) +
                                                            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST(LabelSheet, LabelTextAndIndent) {
  ResultsModel model =
      ModelOf({Rec(1, -1, 1, 0, 0, 100, 100, 1), Rec(1, 1, 1, 0, 0, 100, 100, 1, 2)},
              {Roll(100, 100)}, {Cut(12.5f, 0.75f)});
  model.basic.THICK = 1.5f;
  EXPECT_EQ(LabelSheetText(model, {2, 5, 40, 1, 0}, 0),
            "\r\n    Mat=MS Grade=A Thk=1.5\r\n    12.5 X 0.75\r\n    Descr:\r\n    Party:\r\n"
            "    Site:\r\n");
}

class LabelDefinitionFile : public testing::InWorkDir {};

TEST_F(LabelDefinitionFile, FirstRecordRoundedFoundWithoutRegardToCaseAndNoColumnsIsUndefined) {
  const ResultsModel model = TwoLayouts();
  std::string error;
  EXPECT_FALSE(WriteLabelSheet(model, 1, &error));  // no file
  EXPECT_EQ(error, kLabelsNotDefinedMessage);
  WriteFile("LBl.def", "\"3\",\"1\",\"29.6\",\"2\",\"1\"\r\n\"9\",\"9\",\"9\",\"9\",\"9\"\r\n");
  ASSERT_TRUE(WriteLabelSheet(model, 2));
  EXPECT_EQ(testing::ReadFile("lbl.tlf"), "\r\n\r\n" + Row({kBack, kBack}));
  std::filesystem::remove("lbl.tlf");
  WriteFile("LBl.def", "\"0\",\"1\",\"30\",\"2\",\"1\"\r\n");
  EXPECT_FALSE(ReadLabelDefinition());
  EXPECT_FALSE(WriteLabelSheet(model, 0));
  EXPECT_FALSE(std::filesystem::exists("lbl.tlf"));
}

}  // namespace
}  // namespace trimora
