#include "engine/layout_results.h"

#include <gtest/gtest.h>

#include "area_records.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::AddLayout;
using testing::InWorkDir;
using testing::List;
using testing::ReadFile;
using testing::Rect;
using testing::WriteFile;

TEST(LayoutResultsLine, NineFieldsInTheNeutralNumberFormat) {
  AreaRecord outline = Rect(kRollOutline, 0, 0, 1005, 2400, 0, 1);
  outline.repeat = 3;
  EXPECT_EQ(LayoutResultsLine(outline), "1,-1,1,0,0,1005,2400,3,0");
  EXPECT_EQ(LayoutResultsLine(Rect(1, 10, 10, 315, 615, kLengthwise)), "0,1,1,10,10,315,615,0,1");
  EXPECT_EQ(LayoutResultsLine(Rect(kMarginStrip, 0.5f, 0, 10, 2400)), "0,-2,1,.5,0,10,2400,0,0");
  EXPECT_EQ(LayoutResultsLine(Rect(kFreeArea, 1.0f / 3.0f, 0, 12345678, 1)),
            "0,-4,1,.3333333,0,1.234568E+07,1,0,0");
  EXPECT_EQ(LayoutResultsLine(Rect(kCutLine, 0, 7.25f, 1005, 7.25f)),
            "0,-6,1,0,7.25,1005,7.25,0,0");
}

// --- Writing ------------------------------------------------------------------------------

class LayoutResultsFile : public InWorkDir {};

TEST_F(LayoutResultsFile, TwoLayoutsAreWrittenInGroups) {
  Solution plan;
  AddLayout(plan, 1, 3, List({Rect(kRollOutline, 0, 0, 1005, 2400), Rect(1, 10, 10, 315, 615, 1)}));
  AddLayout(plan, 2, 1, List({Rect(kRollOutline, 0, 0, 1005, 700), Rect(2, 10, 10, 110, 210, 2)}));
  ASSERT_TRUE(WriteLayoutResults(plan.records));
  EXPECT_EQ(ReadFile("dia.tlf"),
            "1,-1,1,0,0,1005,2400,3,0\r\n"
            "1,1,1,10,10,315,615,3,1\r\n"
            "2,-1,1,0,0,1005,700,1,0\r\n"
            "2,2,1,10,10,110,210,1,2\r\n");
}

// --- Reading ------------------------------------------------------------------------------

TEST_F(LayoutResultsFile, RoundTripKeepsSevenSignificantDigits) {
  Solution plan;
  AddLayout(plan, 7, 12,
            List({Rect(kRollOutline, 0, 0, 1005.123f, 2400),
                  Rect(3, 1.0f / 3.0f, 2.0f / 3.0f, 12345678.9f, 0.000123456f, 2)}));
  ASSERT_TRUE(WriteLayoutResults(plan.records));
  AreaList read{Rect(kDeadArea, 1, 2, 3, 4)};  // element 0 is the caller's
  ASSERT_EQ(ReadLayoutResults(read), LayoutResultsStatus::kLayouts);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].TYPE, kDeadArea);
  for (size_t k = 1; k < read.size(); ++k) {
    EXPECT_EQ(LayoutResultsLine(read[k]), LayoutResultsLine(plan.records[k]));
  }
}

TEST_F(LayoutResultsFile, ReaderAcceptsLongerNumberTextAndLoneLineFeeds) {
  WriteFile("dia.tlf", "1,-1,2,0,0,1005.12345678,2.4E+03,3,0\n1,1,2, 10 ,10,315,615,3,1");
  AreaList read;
  ASSERT_EQ(ReadLayoutResults(read), LayoutResultsStatus::kLayouts);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(LayoutResultsLine(read[1]), "1,-1,2,0,0,1005.123,2400,3,0");
  EXPECT_EQ(LayoutResultsLine(read[2]), "1,1,2,10,10,315,615,3,1");
}

TEST_F(LayoutResultsFile, MissingOrEmptyFileLeavesTheListUntouched) {
  AreaList list = List({Rect(1, 0, 0, 1, 1)});
  EXPECT_EQ(ReadLayoutResults(list), LayoutResultsStatus::kNoResults);
  WriteFile("dia.tlf", "1,-1,1,0,0,1005,2400,3,0\r\n");
  ASSERT_TRUE(WriteLayoutResults(List({})));  // an empty plan empties the old file
  EXPECT_EQ(ReadLayoutResults(list), LayoutResultsStatus::kNoResults);
  EXPECT_EQ(list.size(), 2u);
}

// A malformed file never yields part of a plan, however many good lines come first.
void ExpectMalformed(const std::string& content) {
  WriteFile("dia.tlf", "1,-1,1,0,0,1005,2400,3,0\r\n" + content);
  AreaList list = List({Rect(1, 0, 0, 1, 1), Rect(1, 0, 0, 1, 1)});
  std::string error;
  EXPECT_EQ(ReadLayoutResults(list, &error), LayoutResultsStatus::kMalformed) << content;
  EXPECT_EQ(list.size(), 1u) << content;
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}

TEST_F(LayoutResultsFile, TruncatedOrMalformedFileYieldsNoPlan) {
  ExpectMalformed("1,1,1,10,10,315\r\n");              // file ends in a record
  ExpectMalformed("1,1,1,10,10,315,615,3,1,0\r\n");    // ten values
  ExpectMalformed("1,1,1,10,TEN,315,615,3,1\r\n");     // text for a number
  ExpectMalformed("1,1,1,10,10,315,615,3,\r\n");       // empty field
  ExpectMalformed("1,1.5,1,10,10,315,615,3,1\r\n");    // fraction for an index
  ExpectMalformed("1,40000,1,10,10,315,615,3,1\r\n");  // beyond 16 bits
  ExpectMalformed("1,1,1,10,nan,315,615,3,1\r\n");     // not a coordinate
  ExpectMalformed("1,1,1,10,10,315px,615,3,1\r\n");    // trailing text
}

}  // namespace
}  // namespace trimora
