#include "results/layout_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/recording_surface.h"
#include "results/layout_detail_text.h"
#include "results/layout_elements.h"
#include "results/report.h"
#include "results/results_fixtures.h"
#include "storage/text_file.h"
#include "test_support.h"

namespace trimora {
namespace {

using Kind = SurfaceCall::Kind;
using testing::Cut;
using testing::ModelOf;
using testing::Rec;

RollRecord MarginRoll(float length, float width) {
  RollRecord roll = testing::Roll(length, width);
  roll.ML = roll.MT = roll.MR = roll.MB = 10;
  return roll;
}

// One layout on a 3000 x 1500 roll with margins of 10 and kerf 3: the roll outline and the
// given pieces, every piece 453 x 253 (a 450 x 250 cut with its kerf).
ResultsModel OneLayout(const std::vector<AreaRecord>& pieces, int cutRows = 2) {
  std::vector<AreaRecord> records = {Rec(1, -1, 1, 0, 0, 1503, 2000, 1),
                                     Rec(1, -2, 1, 0, 0, 10, 2000, 1)};
  records.insert(records.end(), pieces.begin(), pieces.end());
  std::vector<CutRecord> cuts(size_t(cutRows), Cut(450, 250, "GUSSET"));
  ResultsModel model = ModelOf(records, {MarginRoll(3000, 1500)}, cuts);
  model.basic.KERF = 3;
  model.layoutStart = {0, 1};
  return model;
}

AreaRecord Piece(int16_t type, float xs, float ys) {
  return Rec(1, type, 1, xs, ys, xs + 253, ys + 453, 1, 1);
}

long CountOf(const std::vector<std::string>& texts, const std::string& text) {
  return std::count(texts.begin(), texts.end(), text);
}

class LayoutDrawing : public testing::InWorkDir {};

TEST(CoordinateSetup, ScreenCapsAtThreeWidthsAndScrollsAndPaperFollowsThePrinterScale) {
  RecordingSurface surface(800, 800);
  ScrollBarState bar;
  SetUpScreen(surface, 1500, 1000, bar);  // f = 3.5, capped at 3
  EXPECT_EQ(surface.Scale(), (UserScale{0, 0, 3000, 3000}));
  EXPECT_FALSE(bar.enabled);
  bar.value = 500;
  SetUpScreen(surface, 20000, 1000, bar);
  EXPECT_EQ(bar.max, 17010);
  EXPECT_EQ(surface.Scale(), (UserScale{0, 500, 3000, 3000}));  // the bar's value is the top
  // The bar switches on when the layout reaches the picture less ten.
  SetUpScreen(surface, 2990, 1000, bar);
  EXPECT_TRUE(bar.enabled);
  SetUpScreen(surface, 2989, 1000, bar);
  EXPECT_FALSE(bar.enabled);
  RecordingSurface paper(1000, 1250);
  SetUpPaper(paper, 2000, 1250, 2, 700);  // f = 5
  const UserScale scale = paper.Scale();
  EXPECT_FLOAT_EQ(scale.left, -0.05f * 3906.25f);
  EXPECT_EQ(scale.top, 700);
  EXPECT_EQ(scale.width, 3125);  // the height follows the page
  EXPECT_EQ(scale.height, 3906.25);
}

TEST_F(LayoutDrawing, LongLayoutGoesOnPageHighBandsAndTheTextOnANewPage) {
  // L = 2000, W = 1000 at printer scale 5 on a square page: bands 1000 high at 0 and 1000;
  // the detail text starts at 2020, below the second band, so at the top of a third page.
  ResultsModel model = ModelOf({Rec(1, -1, 1, 0, 0, 1000, 2000, 1)}, {MarginRoll(3000, 997)}, {});
  model.settings.printerScale = 5;
  ASSERT_TRUE(WriteReport(model));
  RecordingSurface surface(1000, 1000);
  DrawLayoutOnPaper(model, 1, surface, "24/12/2024");
  const std::vector<SurfaceCall> scales = surface.CallsOf(Kind::kScale);
  ASSERT_EQ(scales.size(), 3u);
  EXPECT_EQ(scales[0].y1, 0);  // the top of each band
  EXPECT_EQ(scales[1].y1, 1000);
  EXPECT_EQ(scales[2].y1, 2000);
  EXPECT_EQ(surface.Pages(), 3);
  const std::vector<SurfaceCall> texts = surface.CallsOf(Kind::kText);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Date: 24/12/2024");
  EXPECT_EQ(texts[0].y1, 2000);
  EXPECT_EQ(texts[1].text, "Layout No. 1/1");
}

TEST_F(LayoutDrawing, PrintingStartsEachLayoutOnANewPageAfterTheFileAndDate) {
  ResultsModel model =
      ModelOf({Rec(1, -1, 1, 0, 0, 1000, 800, 1), Rec(2, -1, 1, 0, 0, 1000, 400, 2)},
              {MarginRoll(3000, 997)}, {});
  model.jobFileName = "/jobs/march/cabinet.trm";
  ASSERT_TRUE(WriteReport(model));
  RecordingSurface surface(1000, 1414);
  PrintLayouts(model, 1, 2, surface, "05/03/2025");
  EXPECT_EQ(surface.Pages(), 2);
  const std::vector<SurfaceCall>& calls = surface.calls();
  const auto newPage = std::find_if(calls.begin(), calls.end(),
                                    [](const SurfaceCall& c) { return c.kind == Kind::kNewPage; });
  ASSERT_NE(newPage, calls.end());
  EXPECT_EQ(std::next(newPage)->kind, Kind::kScale);  // layout 2 sets up its own page
  EXPECT_EQ(std::next(newPage)->y1, 0);
  const std::vector<SurfaceCall> texts = surface.CallsOf(Kind::kText);
  EXPECT_EQ(texts[0].text, "File: cabinet.trm");
  EXPECT_EQ(texts[1].text, "Date: 05/03/2025");
  const float lineHeight = texts[1].y1 - texts[0].y1;
  EXPECT_FLOAT_EQ(texts[0].y1, 800 + 20 + 2 * lineHeight);     // after two empty lines
  EXPECT_FLOAT_EQ(texts[2].y1, texts[1].y1 + 2 * lineHeight);  // after one empty line
}

TEST(PieceColors, TwentyTwoColoursRepeatAndLightCyanWhenOff) {
  EXPECT_EQ(PieceColor(0, true), (Rgb{200, 163, 250}));
  EXPECT_EQ(PieceColor(21, true), (Rgb{20, 206, 239}));
  EXPECT_EQ(PieceColor(23, true), (Rgb{255, 185, 185}));  // row 23 takes row 1's colour
  EXPECT_EQ(PieceColor(5, false), kLightCyan);
}

TEST_F(LayoutDrawing, ScreenFillsPiecesInTheirColoursInsetAndPaperFillsThemWhite) {
  ResultsModel model = OneLayout({Piece(1, 10, 10), Piece(23, 263, 10)}, 23);
  model.settings.cutPieceColor = true;
  ASSERT_TRUE(WriteReport(model));
  RecordingSurface screen(800, 800);
  ScrollBarState bar;
  EXPECT_FALSE(DrawLayoutOnScreen(model, 1, screen, bar).empty());  // the detail text
  EXPECT_TRUE(screen.Texts().empty());                              // every label is off
  const std::vector<SurfaceCall> fills = screen.CallsOf(Kind::kFilledBox);
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(fills[0].color, kWhite);  // the stock
  EXPECT_EQ(fills[1].color, PieceColor(1, true));
  EXPECT_EQ(fills[1].x1, 10);                      // on the left margin: not inset
  EXPECT_EQ(fills[1].y1, 10);                      // nor on the top one
  EXPECT_EQ(fills[2].color, PieceColor(1, true));  // row 23
  EXPECT_EQ(fills[2].x1, 264.5);                   // half the kerf in from each side
  EXPECT_EQ(fills[2].x2, 514.5);
  EXPECT_EQ(fills[2].y2, 461.5);
  const std::vector<SurfaceCall> boxes = screen.CallsOf(Kind::kBox);
  ASSERT_EQ(boxes.size(), 3u);  // the sheet and two pieces; the margin strip is not drawn
  for (const SurfaceCall& box : boxes) EXPECT_EQ(box.color, kBlack);

  RecordingSurface paper(1000, 1414);
  DrawLayoutOnPaper(model, 1, paper, "01/01/2025");
  for (const SurfaceCall& fill : paper.CallsOf(Kind::kFilledBox)) EXPECT_EQ(fill.color, kWhite);
}

TEST_F(LayoutDrawing, ScreenHatchesGreyAndPaperDarkBlueAtHalfTheSpacing) {
  ResultsModel model = OneLayout({});
  ASSERT_TRUE(WriteReport(model));
  RecordingSurface screen(800, 800);
  ScrollBarState bar;
  DrawLayoutOnScreen(model, 1, screen, bar);
  const std::vector<SurfaceCall> grey = screen.CallsOf(Kind::kLine);
  ASSERT_GE(grey.size(), 2u);
  EXPECT_EQ(grey[0].color, kLightGrey);
  EXPECT_FLOAT_EQ(grey[1].x1, screen.Scale().height / 25);

  RecordingSurface paper(1000, 1000);
  DrawLayoutOnPaper(model, 1, paper, "01/01/2025");
  EXPECT_FLOAT_EQ(paper.Scale().width, 1503 * 5);  // printer scale 0 prints as 1: f = 2 + 3
  const std::vector<SurfaceCall> blue = paper.CallsOf(Kind::kLine);
  ASSERT_GE(blue.size(), 2u);
  EXPECT_EQ(blue[0].color, kDarkBlue);
  EXPECT_FLOAT_EQ(blue[1].x1, paper.Scale().height / 50);
}

TEST(PrintStringRule, ATextStartingInTheLastLineOfTheBandIsDropped) {
  RecordingSurface surface(1000, 1000);
  surface.SetScale({0, 500, 1000, 1000});
  surface.SetFont("Small Fonts", 7);
  const float lastLine = 1500 - surface.TextHeight("A");
  PrintString(surface, 0, lastLine - 0.5f, "kept");
  PrintString(surface, 0, lastLine, "dropped");
  PrintString(surface, 0, 2500, "far below");
  PrintString(surface, 0, 100, "above the band");  // only the bottom is guarded
  EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"kept", "above the band"}));
}

std::vector<std::string> ScreenTexts(const ResultsModel& model) {
  RecordingSurface surface(800, 800);
  ScrollBarState bar;
  DrawLayoutOnScreen(model, 1, surface, bar);
  return surface.Texts();
}

TEST_F(LayoutDrawing, OnlyFirstInBlockLabelsOneOfAConsecutiveRun) {
  // Five pieces of row 1 side by side in consecutive records, then each followed by a piece
  // of row 2, which makes every piece of row 1 the first of its run.
  std::vector<AreaRecord> run, separated;
  for (int i = 0; i < 5; ++i) {
    run.push_back(Piece(1, 10 + 253.0f * float(i), 10));
    separated.push_back(run.back());
    separated.push_back(Piece(2, 10 + 253.0f * float(i), 463));
  }
  ResultsModel model = OneLayout(run);
  model.settings.cutPieceDimensions = true;
  model.settings.onlyFirstInBlock = true;
  ASSERT_TRUE(WriteReport(model));
  EXPECT_EQ(ScreenTexts(model), (std::vector<std::string>{"250", "450"}));
  model.settings.onlyFirstInBlock = false;
  EXPECT_EQ(CountOf(ScreenTexts(model), "250"), 5);
  ResultsModel apart = OneLayout(separated);
  apart.settings = model.settings;
  apart.settings.onlyFirstInBlock = true;
  ASSERT_TRUE(WriteReport(apart));
  EXPECT_EQ(CountOf(ScreenTexts(apart), "250"), 10);
}

TEST_F(LayoutDrawing, SizesFollowTheOrientationAndTheDescriptionIsLowerCase) {
  AreaRecord crosswise = Rec(1, 1, 1, 10, 10, 463, 263, 1, 2);
  ResultsModel model = OneLayout({crosswise});
  model.cuts[1] = Cut(450, 250.5f, "BACK PANEL");
  model.settings.cutPieceDimensions = true;
  model.settings.cutPieceDescription = true;
  ASSERT_TRUE(WriteReport(model));
  RecordingSurface surface(800, 800);
  ScrollBarState bar;
  DrawLayoutOnScreen(model, 1, surface, bar);
  const std::vector<SurfaceCall> texts = surface.CallsOf(Kind::kText);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "450");  // LENGTH runs across
  EXPECT_EQ(texts[1].text, "250.5");
  EXPECT_EQ(texts[2].text, "back panel");
  const float h = surface.TextHeight("450");
  EXPECT_FLOAT_EQ(texts[0].x1, 10 + 1.5f + (450 - h) / 2);  // centred across the top
  EXPECT_FLOAT_EQ(texts[2].y1, 10 + 1.5f + 250.5f - h);     // on the bottom line
}

TEST_F(LayoutDrawing, DetailTextIsTheLayoutsReportSectionWithTheBasicDetails) {
  ResultsModel model =
      ModelOf({Rec(1, -1, 1, 0, 0, 1000, 800, 1), Rec(1, 1, 1, 0, 0, 500, 300, 1, 1),
               Rec(2, -1, 1, 0, 0, 1000, 400, 2), Rec(2, 1, 1, 0, 0, 500, 300, 2, 1)},
              {MarginRoll(3000, 1000)}, {Cut(500, 300, "LID")});
  ASSERT_TRUE(WriteReport(model));
  model.settings.basicDetailsList = true;
  const std::vector<std::string> lines = WriteDetailText(model, 2);
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
            (std::vector<std::string>{"Layout No. 2/2", "", "Basic Details",
                                      "Mat=MS             Grade=A             Thk=2",
                                      "Note: TEST ORDER", "", "Sheet(s) Used"}));
  EXPECT_EQ(lines.back(), "");  // the row of asterisks that ends the section is not copied
  EXPECT_EQ(CountOf(lines, "Quantity : 2"), 1);
  EXPECT_EQ(testing::ReadFile(kDetailTextFile), JoinLines(lines));
}

}  // namespace
}  // namespace trimora
