#include "results/results_model.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

class ResultsModelBuild : public testing::InWorkDir {
 protected:
  void WriteTables() {
    WriteFile("basic.tlf", "\"MS\",\"A\",\"2\",\"1500\",\"10\",\"5\",\"NOTE\"\r\n");
    WriteFile("options.tlf", "-1,0\r\n");
    WriteFile("sheet.tlf",
              "\"1000\",\"500\",\"2\",\"0\",\"0\",\"0\",\"0\",\"S\"\r\n"
              "\"2500\",\"1250\",\"\",\"0\",\"0\",\"0\",\"0\",\"L\"\r\n");
    WriteFile("cut.tlf",
              "\"100\",\"300\",\"1\",\"0\",\"SMALL\",\"\",\"\"\r\n"
              "\"600\",\"500\",\"1\",\"0\",\"LARGE\",\"\",\"\"\r\n");
  }
};

TEST_F(ResultsModelBuild, MissingEmptyOrMalformedResults) {
  WriteTables();
  ResultsModel model;
  std::string error;
  EXPECT_EQ(BuildResultsModel(model, &error), ResultsStatus::kNotOptimized);
  EXPECT_EQ(error, kNotOptimizedMessage);
  WriteFile("dia.tlf", "1,-1,1,0,0,505,1000\r\n");
  error.clear();
  EXPECT_EQ(BuildResultsModel(model, &error), ResultsStatus::kMalformed);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(model.records.size(), 1u);
}

TEST_F(ResultsModelBuild, ListsInTheRunsOrderWithTheEnteredSizes) {
  WriteTables();
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

}  // namespace
}  // namespace trimora
