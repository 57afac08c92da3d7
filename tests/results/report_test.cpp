#include "results/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/results_fixtures.h"
#include "storage/report_measure.h"
#include "storage/text_file.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::Cut;
using testing::ModelOf;
using testing::Rec;
using testing::Roll;
using testing::WriteFile;

const std::string kStars(76, '*');
const std::string kRule56(56, '-');
const std::string kRule67(67, '-');
const std::string kCutHeading = "Length   Width    QtyPro   Description   Party         Site";

class Report : public testing::InWorkDir {};

TEST_F(Report, WholeReportWithoutMeasure) {
  // Two layouts from the same roll (the first cut 4 times with 3 pieces of row 2 on each
  // sheet), and a third layout that is only its roll outline, the last record of the file.
  ResultsModel model =
      ModelOf({Rec(1, -1, 1, 0, 0, 1250, 2000, 4), Rec(1, -2, 1, 0, 0, 10, 2000, 4),
               Rec(1, 1, 1, 10, 10, 460, 1210, 4, 1), Rec(1, 2, 1, 460, 10, 760, 610, 4, 1),
               Rec(1, 2, 1, 460, 610, 760, 1210, 4, 1), Rec(1, 2, 1, 760, 10, 1060, 610, 4, 1),
               Rec(1, -4, 1, 10, 1210, 1250, 2000, 4), Rec(1, -6, 1, 0, 1210, 1250, 1210, 4),
               Rec(2, -1, 1, 0, 0, 1250, 700, 1), Rec(2, 1, 1, 10, 10, 1210, 460, 1, 2),
               Rec(2, 1, 1, 10, 460, 1210, 700, 1, 2), Rec(3, -1, 1, 0, 0, 1250, 300, 2)},
              {Roll(2500, 1250, "BAY 1")},
              {Cut(1200, 450, "BACK PANEL", "NORTHWIND", "PLANT 2"),
               Cut(600, 300, "SIDE PANEL", "NORTHWIND", "PLANT 2"), Cut(100, 50)});
  const std::string back = "BACK PANEL    NORTHWIND     PLANT 2";
  const std::string side = "SIDE PANEL    NORTHWIND     PLANT 2";
  // Without a measure the stock heading ends at Location; the cut summary totals over the
  // sheets (1 x 4 + 2 x 1) and gives a row never produced without its empty texts; each
  // layout lists its pieces per sheet.
  // clang-format off
  const std::string expected = JoinLines({
      "Total Layouts=3", "",
      kStars, "Basic Details", "", "Mat=MS             Grade=A             Thk=2",
      "Note: TEST ORDER", "",
      kStars, "Sheet(s) Utilization Summary", "", "Length   Width    QtyUsed  Location", kRule56,
      "2000     1250     4        BAY 1", "700      1250     1        BAY 1",
      "300      1250     2        BAY 1", kRule56, "T O T A L                                00000.00", "",
      kStars, "Cut-Piece(s) Summary", "", kCutHeading, kRule67,
      "1200     450      6        " + back, "600      300      12       " + side,
      "100      50       0", "",
      kStars, "Layout No. 1/3", "", "Sheet(s) Used", "Specified: 2500 X 1250",
      "Required : 2000 X 1250", "Quantity : 4", "", "Cut-Pieces Generated", kCutHeading, kRule67,
      "1200     450      1        " + back, "600      300      3        " + side, "",
      kStars, "Layout No. 2/3", "", "Sheet(s) Used", "Specified: 2500 X 1250",
      "Required : 700 X 1250", "Quantity : 1", "", "Cut-Pieces Generated", kCutHeading, kRule67,
      "1200     450      2        " + back, "",
      kStars, "Layout No. 3/3", "", "Sheet(s) Used", "Specified: 2500 X 1250",
      "Required : 300 X 1250", "Quantity : 2", "", "Cut-Pieces Generated", kCutHeading, kRule67,
      "", kStars});
  // clang-format on
  EXPECT_EQ(ReportText(model), expected);

  WriteFile("sheets.Adj", "\"1000\",\"500\",\"1\",\"\"\r\n");  // written emptied with the file
  ASSERT_TRUE(WriteReport(model));
  EXPECT_EQ(testing::ReadFile("report.tlf"), expected);
  EXPECT_EQ(testing::ReadFile("sheets.Adj"), "");
}

TEST_F(Report, MeasuresKeepAllIntegerDigitsAndAreTotalled) {
  WriteFile("misc.set", "\"Area\"\r\n");
  ResultsModel model =
      ModelOf({Rec(1, -1, 1, 0, 0, 1250, 2000, 2), Rec(2, -1, 2, 0, 0, 1250, 1000, 1)},
              {Roll(2500, 1250, "BAY 1"), Roll(1000, 1250)}, {Cut(100, 50)});
  const std::string text = ReportText(model);
  const size_t start = text.find("Length   Width    QtyUsed");
  // An empty location is not placed; the measure still goes to column 42.
  EXPECT_EQ(text.substr(start, text.find("\r\n\r\n", start) + 2 - start),
            JoinLines({"Length   Width    QtyUsed  Location      Area(SqUnits)", kRule56,
                       "2000     1250     2        BAY 1         5000000.00",
                       "1000     1250     1                      1250000.00", kRule56,
                       "T O T A L                                6250000.00"}));
}

// --- The model the report is made from ----------------------------------------------------

using ResultsModelBuild = testing::InWorkDir;

TEST_F(ResultsModelBuild, ListsInTheRunsOrderWithTheEnteredSizes) {
  WriteFile("basic.tlf", "\"MS\",\"A\",\"2\",\"1500\",\"10\",\"5\",\"NOTE\"\r\n");
  WriteFile("options.tlf", "-1,0\r\n");
  WriteFile("sheet.tlf",
            "\"1000\",\"500\",\"2\",\"0\",\"0\",\"0\",\"0\",\"S\"\r\n"
            "\"2500\",\"1250\",\"\",\"0\",\"0\",\"0\",\"0\",\"L\"\r\n");
  WriteFile("cut.tlf",
            "\"100\",\"300\",\"1\",\"0\",\"SMALL\",\"\",\"\"\r\n"
            "\"600\",\"500\",\"1\",\"0\",\"LARGE\",\"\",\"\"\r\n");
  WriteFile("dia.tlf",
            "1,-1,1,0,0,1255,605,1,0\r\n1,1,1,0,0,505,605,1,1\r\n"
            "2,-1,2,0,0,505,105,1,0\r\n2,2,2,0,0,305,105,1,2\r\n");
  ResultsModel model;
  ASSERT_EQ(BuildResultsModel(model), ResultsStatus::kReady);
  EXPECT_EQ(model.layouts, 2);
  ASSERT_EQ(model.rolls.size(), 3u);
  EXPECT_EQ(model.rolls[1].LOCATION, "L");    // largest first
  EXPECT_EQ(model.rolls[1].LENGTH, 2500.0f);  // kerf removed again
  ASSERT_EQ(model.cuts.size(), 3u);
  EXPECT_EQ(model.cuts[1].DESCRIPTION, "LARGE");
  EXPECT_EQ(model.cuts[2].LENGTH, 300.0f);  // normalised: LENGTH is the longer side
  EXPECT_EQ(model.basic.BLADE, 1500.0f);    // as entered
}

// --- The measure column -----------------------------------------------------------------

using ReportMeasure = testing::InWorkDir;

TEST_F(ReportMeasure, AreaSettingAndOtherSettingsShowNothing) {
  EXPECT_EQ(MeasureLabel(), "");  // no setting file
  for (const char* text : {"\"\"\r\n", "\"Length\"\r\n", "\"area\"\r\n", ""}) {
    WriteFile("misc.set", text);
    EXPECT_EQ(MeasureLabel(), "") << text;
    EXPECT_EQ(MeasureValue("MS", 2, 12, 8, 3), "") << text;
  }
  WriteFile("misc.set", "\"Area\"\r\n");
  EXPECT_EQ(MeasureLabel(), "Area(SqUnits)");
  EXPECT_EQ(MeasureValue("MS", 2, 12, 8, 3), "00288.00");  // length x width x quantity
}

TEST_F(ReportMeasure, WeightSettingUsesTheFirstDensityOfTheMaterial) {
  WriteFile("misc.set", "Weight\r\n");
  EXPECT_EQ(DensityOf("MS"), 0.0);  // no density file
  WriteFile("Density.dat", "\"AL\",\"2.7\"\r\n\"MS\",\"7.85\"\r\n\"MS\",\"9\"\r\n");
  EXPECT_EQ(MeasureLabel(), "Weight");
  EXPECT_DOUBLE_EQ(DensityOf("MS"), 7.85);  // the file name's case does not matter
  EXPECT_EQ(MeasureValue("MS", 2, 10, 5, 1), "785.00");
  EXPECT_EQ(DensityOf("ms"), 0.0);  // the material's does
  EXPECT_EQ(MeasureValue("SS", 2, 10, 5, 1), "0.00");
  // Densities no weight can be computed from count as not listed: no "inf", no negative weight.
  WriteFile("density.dat", "\"HUGE\",\"1e38\"\r\n\"NEG\",\"-2\"\r\n\"NAN\",\"nan\"\r\n");
  for (const char* material : {"HUGE", "NEG", "NAN"}) {
    EXPECT_EQ(DensityOf(material), 0.0) << material;
    EXPECT_EQ(MeasureValue(material, 2, 10, 5, 1), "0.00") << material;
  }
}

}  // namespace
}  // namespace trimora
