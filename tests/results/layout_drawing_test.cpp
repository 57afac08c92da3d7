#include "results/layout_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "results/layout_detail_text.h"
#include "results/layout_elements.h"
#include "results/report.h"
#include "results/results_fixtures.h"
#include "storage/job_file.h"
#include "storage/text_file.h"
#include "support/recording_surface.h"
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

// One layout on a 3000 x 1500 roll with margins of 10 and kerf 3: the roll outline, its
// margin strip and the given pieces, with cut rows of 450 x 250.
ResultsModel OneLayout(const std::vector<AreaRecord>& pieces, int cutRows = 2) {
  std::vector<AreaRecord> records = {Rec(1, -1, 1, 0, 0, 1503, 2000, 1),
                                     Rec(1, -2, 1, 0, 0, 10, 2000, 1)};
  records.insert(records.end(), pieces.begin(), pieces.end());
  ResultsModel model = ModelOf(records, {MarginRoll(3000, 1500)},
                               std::vector<CutRecord>(size_t(cutRows), Cut(450, 250, "GUSSET")));
  model.basic.KERF = 3;
  model.layoutStart = {0, 1};
  return model;
}

AreaRecord Piece(int16_t type, float xs, float ys) {
  return Rec(1, type, 1, xs, ys, xs + 253, ys + 453, 1, 1);
}

std::vector<std::string> ScreenTexts(const ResultsModel& model) {
  RecordingSurface surface(800, 800);
  ScreenView view;
  DrawLayoutOnScreen(model, 1, surface, view);
  return surface.Texts();
}

class LayoutDrawing : public testing::InWorkDir {};

TEST(CoordinateSetup, ScreenShowsTheWholeWidthAndZooms) {
  RecordingSurface surface(800, 800);
  ScreenView view;
  SetUpScreen(surface, 3000, 1500, view);
  const UserScale fit = surface.Scale();
  EXPECT_GT(1500 / fit.width, 0.9f);  // all but the room for the length label beside it
  EXPECT_FALSE(view.horizontal.enabled);
  EXPECT_GT(view.vertical.max + fit.height, 3000);  // the bar reaches the bottom
  ZoomScreenView(view, 2);
  SetUpScreen(surface, 3000, 1500, view);
  EXPECT_FLOAT_EQ(surface.Scale().width, fit.width / 2);
  EXPECT_GT(view.horizontal.max + surface.Scale().width, 1500);
  ZoomScreenView(view, 0.01f);  // stops with the whole layout in view
  SetUpScreen(surface, 3000, 1500, view);
  EXPECT_FALSE(view.vertical.enabled);
  EXPECT_GT(view.zoom, 0.4f);
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
  EXPECT_EQ(scales[1].y1, 1000);  // the top of each band
  EXPECT_EQ(scales[2].y1, 2000);
  EXPECT_EQ(surface.Pages(), 3);
  const std::vector<SurfaceCall> texts = surface.CallsOf(Kind::kText);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Date: 24/12/2024");
  EXPECT_EQ(texts[0].y1, 2000);
  EXPECT_EQ(texts[1].text, "Layout No. 1/1");
}

TEST_F(LayoutDrawing, ScreenFillsPiecesInTheirColoursInsetAndPaperFillsThemWhite) {
  ResultsModel model = OneLayout({Piece(1, 10, 10), Piece(23, 263, 10)}, 23);
  model.settings.cutPieceColor = true;
  ASSERT_TRUE(WriteReport(model));
  RecordingSurface screen(800, 800);
  ScreenView view;
  DrawLayoutOnScreen(model, 1, screen, view);
  const std::vector<SurfaceCall> fills = screen.CallsOf(Kind::kFilledBox);
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(fills[0].color, kWhite);  // the stock
  EXPECT_EQ(fills[1].color, PieceColor(1, true));
  EXPECT_EQ(fills[1].x1, 10);                      // on the left margin: not inset
  EXPECT_EQ(fills[2].color, PieceColor(1, true));  // the colours repeat after 22 rows
  EXPECT_EQ(fills[2].x1, 264.5);                   // half the kerf in from each side
  EXPECT_EQ(fills[2].x2, 514.5);
  EXPECT_EQ(screen.CallsOf(Kind::kBox).size(), 3u);  // the sheet and two pieces, no margin

  RecordingSurface paper(1000, 1414);
  DrawLayoutOnPaper(model, 1, paper, "01/01/2025");
  for (const SurfaceCall& fill : paper.CallsOf(Kind::kFilledBox)) EXPECT_EQ(fill.color, kWhite);
}

TEST_F(LayoutDrawing, OnlyFirstInBlockLabelsOneOfAConsecutiveRun) {
  // Five pieces of row 1 side by side in consecutive records; then each followed by a piece
  // of row 2, which makes every piece of row 1 the first of its run.
  std::vector<AreaRecord> run, separated;
  for (int i = 0; i < 5; ++i) {
    run.push_back(Piece(1, 10 + 253.0f * float(i), 10));
    separated.insert(separated.end(), {run.back(), Piece(2, 10 + 253.0f * float(i), 463)});
  }
  const auto count250 = [](const ResultsModel& model) {
    const std::vector<std::string> texts = ScreenTexts(model);
    return std::count(texts.begin(), texts.end(), "250");
  };
  ResultsModel model = OneLayout(run);
  model.settings.cutPieceDimensions = true;
  model.settings.onlyFirstInBlock = true;
  ASSERT_TRUE(WriteReport(model));
  EXPECT_EQ(ScreenTexts(model), (std::vector<std::string>{"250", "450"}));
  model.settings.onlyFirstInBlock = false;
  EXPECT_EQ(count250(model), 5);
  ResultsModel apart = OneLayout(separated);
  apart.settings = model.settings;
  apart.settings.onlyFirstInBlock = true;
  ASSERT_TRUE(WriteReport(apart));
  EXPECT_EQ(count250(apart), 10);
}

TEST_F(LayoutDrawing, LabelsFollowTheOrientationAndOnlyThoseThatFitAreDrawn) {
  // A piece turned crosswise: LENGTH runs across, the description goes lower case on its
  // bottom line.
  ResultsModel model = OneLayout({Rec(1, 1, 1, 10, 10, 463, 263, 1, 2)});
  model.cuts[1] = Cut(450, 250.5f, "BACK PANEL");
  model.settings.cutPieceDimensions = true;
  model.settings.cutPieceDescription = true;
  ASSERT_TRUE(WriteReport(model));
  EXPECT_EQ(ScreenTexts(model), (std::vector<std::string>{"450", "250.5", "back panel"}));
  // Two pieces 450 long side by side, 70 and 30 wide; at the screen's fit a character is
  // about 11 units wide: a label too wide is left out, a description cut short.
  model.records.resize(3);
  model.records.push_back(Rec(1, 1, 1, 10, 10, 83, 463, 1, 1));
  model.records.push_back(Rec(1, 2, 1, 83, 10, 116, 463, 1, 1));
  model.cuts[1] = Cut(450, 70, "BACK PANEL");
  model.cuts[2] = Cut(450, 30, "BACK PANEL");
  ASSERT_TRUE(WriteReport(model));
  EXPECT_EQ(ScreenTexts(model), (std::vector<std::string>{"70", "450", "back.", "30"}));
}

// The optimized demo job's layouts with every piece label on: every text over the sheet lies
// inside a piece (the pieces do not overlap).
TEST_F(LayoutDrawing, EveryLabelOfARealPlanLiesInsideItsPieceOnScreenAtAnyZoomAndOnPaper) {
  JobWindows noWindows;
  OptimizeOptions options;
  ASSERT_TRUE(LoadJob(std::string(TRIMORA_EXAMPLES) + "/demo-optimized.trm", noWindows, options));
  ResultsModel model;
  ASSERT_EQ(BuildResultsModel(model), ResultsStatus::kReady);
  ASSERT_TRUE(WriteReport(model));
  model.settings.cutPieceDimensions = true;
  model.settings.cutPieceDescription = true;
  int labels = 0;
  const auto expectLabelsInsidePieces = [&](int n, const RecordingSurface& surface) {
    const RecordRange range = LayoutRecords(model, n);
    for (const SurfaceCall& text : surface.CallsOf(Kind::kText)) {
      if (text.y1 >= model.records[size_t(range.first)].YE) continue;  // the detail text
      bool inside = false;
      for (int i = range.first; i <= range.last; ++i) {
        const AreaRecord& r = model.records[size_t(i)];
        const RollRecord& roll = model.rolls[size_t(r.roll)];
        const float k = model.basic.KERF;
        inside = inside || (r.TYPE > 0 && text.x1 >= InsetLeft(r, roll, k) &&
                            text.x2 <= InsetRight(r, roll, k) && text.y1 >= InsetTop(r, roll, k) &&
                            text.y2 <= InsetBottom(r, roll, k));
      }
      EXPECT_TRUE(inside) << "layout " << n << ": " << text.text;
      ++labels;
    }
  };
  for (int n = 1; n <= model.layouts; ++n) {
    for (ScreenView view : {ScreenView{1}, ScreenView{4}}) {
      RecordingSurface screen(800, 800);
      DrawLayoutOnScreen(model, n, screen, view);
      expectLabelsInsidePieces(n, screen);
    }
    RecordingSurface paper(1000, 1414);
    DrawLayoutOnPaper(model, n, paper, "01/01/2025");
    expectLabelsInsidePieces(n, paper);
  }
  EXPECT_GT(labels, 500);
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
  EXPECT_EQ(testing::ReadFile(kDetailTextFile), JoinLines(lines));
}

// Numbered cuts: each cut of the sequence is a red line with its number on a white patch at
// its middle, on screen only when asked; on paper the list follows the detail text.
TEST_F(LayoutDrawing, NumberedCutsLieOnTheirLinesAndPaperListsThem) {
  ResultsModel model = OneLayout({Piece(1, 10, 10), Piece(1, 263, 10), Piece(2, 10, 463)});
  ASSERT_TRUE(WriteReport(model));
  const CutSequence sequence = LayoutCutSequence(model, 1);
  ASSERT_TRUE(sequence.separable);
  const auto redLines = [](const RecordingSurface& surface) {
    std::vector<SurfaceCall> lines = surface.CallsOf(Kind::kLine);
    std::erase_if(lines, [](const SurfaceCall& c) { return c.color != kCutRed; });
    return lines;
  };
  RecordingSurface plain(800, 800), numbered(800, 800);
  ScreenView view;
  DrawLayoutOnScreen(model, 1, plain, view);
  EXPECT_TRUE(redLines(plain).empty());
  DrawLayoutOnScreen(model, 1, numbered, view, &sequence);
  const std::vector<SurfaceCall> lines = redLines(numbered);
  ASSERT_EQ(lines.size(), sequence.cuts.size());
  std::vector<SurfaceCall> numbers = numbered.CallsOf(Kind::kText);
  std::erase_if(numbers, [](const SurfaceCall& c) { return !std::isdigit(c.text[0]); });
  ASSERT_EQ(numbers.size(), lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const SawCut& cut = sequence.cuts[i];
    const bool across = cut.axis == 'Y';
    EXPECT_EQ(lines[i].y1, across ? cut.position : cut.from) << i;
    EXPECT_EQ(lines[i].x2, across ? cut.to : cut.position) << i;
    EXPECT_EQ(numbers[i].text, std::to_string(i + 1));
    const float midX = (numbers[i].x1 + numbers[i].x2) / 2,
                midY = (numbers[i].y1 + numbers[i].y2) / 2;
    EXPECT_NEAR(midX, (lines[i].x1 + lines[i].x2) / 2, 0.01) << i;
    EXPECT_NEAR(midY, (lines[i].y1 + lines[i].y2) / 2, 0.01) << i;
  }

  RecordingSurface paper(1000, 1400);
  DrawLayoutOnPaper(model, 1, paper, "24/12/2024", true);
  EXPECT_EQ(redLines(paper).size(), sequence.cuts.size());
  const std::vector<std::string> texts = paper.Texts();
  const auto heading = std::find(texts.begin(), texts.end(),
                                 "Layout 1: " + std::to_string(sequence.cuts.size()) +
                                     " cuts, cut length " + CutNumber(sequence.Length()) + " mm, " +
                                     std::to_string(sequence.stages) + " stages");
  ASSERT_NE(heading, texts.end());
  EXPECT_LT(std::find(texts.begin(), texts.end(), "Layout No. 1/1"), heading);
  EXPECT_EQ(texts.end() - heading, std::ptrdiff_t(sequence.cuts.size()) + 1);
  EXPECT_EQ(texts.back().rfind("Cut " + std::to_string(sequence.cuts.size()) + ": ", 0), 0u);
}

// Hatching of waste: only what the view shows is drawn, whatever the stock's size.
TEST(Hatch, DrawsOnlyTheLinesThatCrossTheView) {
  RecordingSurface surface(1000, 1000);
  surface.SetScale({0, 500, 1000, 1000});  // the view a scroll bar shows: y 500 to 1500
  Hatch(surface, 0, 0, 1000, 1e6f, 1, kLightGrey);
  const std::vector<SurfaceCall> lines = surface.CallsOf(SurfaceCall::Kind::kLine);
  ASSERT_FALSE(lines.empty());
  EXPECT_LT(lines.size(), 2010u);  // a line per unit of x + y across the view, and a few more
  for (const SurfaceCall& line : lines) {
    EXPECT_GE(line.x1 + line.y1, 500 - 3);
    EXPECT_LE(line.x1 + line.y1, 2500 + 3);
  }
  // The stock's full span is still hatched where it is seen: the view's first and last lines.
  EXPECT_LE(lines.front().x1 + lines.front().y1, 500);
  EXPECT_GE(lines.back().x1 + lines.back().y1, 2500);
}

}  // namespace
}  // namespace trimora
