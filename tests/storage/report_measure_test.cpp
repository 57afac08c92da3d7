#include "storage/report_measure.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

class ReportMeasure : public testing::InWorkDir {};

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
