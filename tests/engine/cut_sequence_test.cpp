#include "engine/cut_sequence.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "engine/guillotine_packing.h"
#include "engine/layout_results.h"
#include "test_support.h"

namespace trimora {
namespace {

namespace fs = std::filesystem;

struct Rect {
  double xs, ys, xe, ye;
};

bool Near(double a, double b) { return std::fabs(a - b) < kCutTolerance; }

// Applies the cuts in order to the roll outline: each must run from edge to edge of exactly
// one part and pass through no piece, and in the end every piece must be a part of its own.
void ExpectSequenceSeparates(const std::vector<AreaRecord>& layout, const CutSequence& sequence) {
  std::vector<Rect> parts, pieces;
  for (const AreaRecord& a : layout) {
    if (a.TYPE == kRollOutline) parts.push_back({a.XS, a.YS, a.XE, a.YE});
    if (a.TYPE > 0) pieces.push_back({a.XS, a.YS, a.XE, a.YE});
  }
  ASSERT_EQ(parts.size(), 1u);
  for (const SawCut& cut : sequence.cuts) {
    const bool across = cut.axis == 'Y';
    // The cut as a segment: across, y = position for x in [from, to].
    const auto low = [&](const Rect& r) { return across ? r.ys : r.xs; };
    const auto high = [&](const Rect& r) { return across ? r.ye : r.xe; };
    const auto start = [&](const Rect& r) { return across ? r.xs : r.ys; };
    const auto end = [&](const Rect& r) { return across ? r.xe : r.ye; };
    std::vector<size_t> cut_parts;
    for (size_t i = 0; i < parts.size(); ++i) {
      if (low(parts[i]) + kCutTolerance < cut.position &&
          cut.position < high(parts[i]) - kCutTolerance && Near(start(parts[i]), cut.from) &&
          Near(end(parts[i]), cut.to)) {
        cut_parts.push_back(i);
      }
    }
    ASSERT_EQ(cut_parts.size(), 1u) << cut.axis << " cut at " << cut.position;
    for (const Rect& p : pieces) {
      EXPECT_FALSE(low(p) < cut.position - kCutTolerance &&
                   high(p) > cut.position + kCutTolerance && start(p) < cut.to - kCutTolerance &&
                   end(p) > cut.from + kCutTolerance)
          << cut.axis << " cut at " << cut.position << " passes through a piece";
    }
    Rect first = parts[cut_parts[0]], second = first;
    (across ? first.ye : first.xe) = cut.position;
    (across ? second.ys : second.xs) = cut.position;
    parts[cut_parts[0]] = first;
    parts.push_back(second);
  }
  for (const Rect& p : pieces) {
    const auto same = [&](const Rect& r) {
      return Near(r.xs, p.xs) && Near(r.ys, p.ys) && Near(r.xe, p.xe) && Near(r.ye, p.ye);
    };
    EXPECT_EQ(std::count_if(parts.begin(), parts.end(), same), 1)
        << "piece at " << p.xs << ", " << p.ys << " is not a part of its own";
  }
}

std::vector<AreaRecord> LayoutOf(const AreaList& records, int16_t number) {
  std::vector<AreaRecord> layout;
  for (size_t k = 1; k < records.size(); ++k) {
    if (records[k].layout == number) layout.push_back(records[k]);
  }
  return layout;
}

void ExpectPlanSequences(const AreaList& records, bool allSeparable) {
  for (const auto& [number, sequence] : DeriveCutSequences(records)) {
    if (allSeparable) EXPECT_TRUE(sequence.separable) << "layout " << number;
    if (!sequence.separable) {
      EXPECT_TRUE(sequence.cuts.empty());
      continue;
    }
    ExpectSequenceSeparates(LayoutOf(records, number), sequence);
  }
}

// The recorded plans of the golden jobs hold every kind of layout the engine makes: all goals,
// margins, kerf, coils cut to length. Each layout that has a sequence is taken apart by it.
TEST(CutSequence, EveryGoldenLayoutWithASequenceIsTakenApartByIt) {
  int layouts = 0, separable = 0;
  for (const auto& entry : fs::directory_iterator(TRIMORA_GOLDEN)) {
    if (entry.path().extension() != ".dia" || fs::file_size(entry.path()) == 0) continue;
    testing::ScopedWorkDir dir;
    fs::copy_file(entry.path(), "dia.tlf");
    AreaList records;
    ASSERT_EQ(ReadLayoutResults(records), LayoutResultsStatus::kLayouts) << entry.path();
    SCOPED_TRACE(entry.path().filename().string());
    ExpectPlanSequences(records, false);
    for (const auto& [number, sequence] : DeriveCutSequences(records)) {
      ++layouts;
      separable += sequence.separable;
    }
  }
  EXPECT_GT(separable, layouts / 2);
}

// Every layout the guillotine packing makes is built from through-cuts, so every one has a
// sequence: margins, kerf-sized pieces, several stock sizes, coils.
TEST(CutSequence, EveryPackedLayoutHasASequence) {
  std::mt19937 random(7);
  int plans = 0;
  const auto pick = [&](int lo, int hi) {
    return float(lo + int(random() % uint32_t(hi - lo + 1)));
  };
  for (int job = 0; job < 20; ++job) {
    WorkRolls rolls{WorkRoll{}};
    rolls.push_back({3000, 1253, kUnlimitedQty, pick(0, 20), pick(0, 20), pick(0, 20), 0});
    rolls.push_back({pick(900, 2500), pick(600, 1250), pick(1, 3), pick(0, 15), pick(0, 15),
                     pick(0, 15), pick(0, 15)});
    WorkCuts cuts{WorkCut{}};
    for (int n = int(pick(2, 6)); n > 0; --n) {
      cuts.push_back({pick(100, 900) + 3, pick(80, 600) + 3, pick(1, 8), pick(0, 2)});
    }
    PackingRules rules;
    rules.fit = FitRule(job % kFitRules);
    rules.split = SplitRule(job % kSplitRules);
    rules.rollLength = job % 4;
    // A coil cut short may leave a locked piece no room.
    const auto plan = PackGuillotine(rolls, cuts, 1303, *CopiesOf(cuts, 1000), rules);
    if (!plan) continue;
    ++plans;
    SCOPED_TRACE("job " + std::to_string(job));
    ExpectPlanSequences(plan->records, true);
  }
  EXPECT_GE(plans, 15);
}

AreaRecord Record(int16_t type, double xs, double ys, double xe, double ye) {
  AreaRecord a = MakeArea(type, 1, float(xs), float(ys), float(xe), float(ye));
  a.layout = 1;
  return a;
}

// Four blocks turning around a hole: every line across or along passes through one of them.
TEST(CutSequence, APinwheelCannotBeSeparated) {
  const std::vector<AreaRecord> pinwheel = {
      Record(kRollOutline, 0, 0, 300, 300), Record(1, 0, 0, 200, 100), Record(2, 200, 0, 300, 200),
      Record(3, 100, 200, 300, 300), Record(4, 0, 100, 100, 300)};
  const CutSequence sequence = DeriveCutSequence(pinwheel);
  EXPECT_FALSE(sequence.separable);
  EXPECT_TRUE(sequence.cuts.empty());

  // With a fifth piece below it, the first cut frees the pinwheel, which still cannot be cut.
  std::vector<AreaRecord> withStrip = pinwheel;
  withStrip[0].YE = 400;
  withStrip.push_back(Record(5, 0, 300, 300, 400));
  EXPECT_FALSE(DeriveCutSequence(withStrip).separable);
}

// The engine's check takes a block of pieces as one, cut only along the lines between them: a
// pinwheel one of whose arms is two pieces comes apart through the line between those, one whose
// arm is a single piece does not, just as the sequences of their records say.
TEST(CutSequence, ACandidatesBlockIsCutOnlyAlongItsLines) {
  for (const int16_t armPieces : {1, 2}) {
    CandidateLayout candidate;
    candidate.Start({WorkRoll{}, WorkRoll{300, 300, 1, 0, 0, 0, 0}}, 1);
    const auto block = [&](double xs, double ys, double xe, double ye, int16_t nx) {
      const size_t first = candidate.areas.size();
      const double width = (xe - xs) / nx;
      for (int16_t i = 0; i < nx; ++i) {
        candidate.areas.push_back(Record(1, xs + i * width, ys, xs + (i + 1) * width, ye));
      }
      candidate.BlockAppended(first, nx, 1, true);
    };
    block(0, 0, 200, 100, armPieces);
    block(200, 0, 300, 200, 1);
    block(110, 200, 300, 300, 1);
    block(0, 100, 90, 300, 1);
    const bool separable = armPieces == 2;
    EXPECT_EQ(SeparableByThroughCuts(candidate), separable) << armPieces;
    EXPECT_EQ(DeriveCutSequence(candidate.areas).separable, separable) << armPieces;
  }
}

// Edges apart by about the tolerance: the piece on the left reaches 1.1 tolerances into the
// one below on the right, so no cut across frees it, but the first cut along the length at
// the right-hand pieces' edge does, and the rest comes apart across.
TEST(CutSequence, ALayoutThatComesApartOnlyAlongTheLengthHasItsSequence) {
  std::vector<AreaRecord> layout = {
      Record(kRollOutline, 0, 0, 36, 36), Record(1, 0.0011, 0, 18.0011, 18),
      Record(1, 0.0011, 18, 18.0011, 36), Record(2, 18, 0.0004, 36, 18.0004)};
  for (int row = 0; row < 5; ++row) {
    layout.push_back(Record(3, 18.0004, 18 + row * 3.6, 36.0004, 18 + (row + 1) * 3.6));
  }
  const CutSequence sequence = DeriveCutSequence(layout);
  ASSERT_TRUE(sequence.separable);
  EXPECT_EQ(sequence.cuts.front().axis, 'X');
  ExpectSequenceSeparates(layout, sequence);
}

// A 1220 wide sheet cut back to 700: two pieces side by side over a strip of waste, a margin
// strip on the left. The fewest stages start across: the waste strip off, then the margin and
// the line between the pieces.
TEST(CutSequence, ShopOutputNamesEveryCut) {
  AreaList records = {AreaRecord{},
                      Record(kRollOutline, 0, 0, 1220, 700),
                      Record(kMarginStrip, 0, 0, 10, 700),
                      Record(1, 10, 0, 610, 600),
                      Record(1, 610, 0, 1210, 600),
                      Record(kFreeArea, 10, 600, 1220, 700)};
  for (AreaRecord& r : records) r.repeat = 2;
  const auto sequences = DeriveCutSequences(records);
  ASSERT_EQ(sequences.size(), 1u);
  EXPECT_EQ(sequences[0].second.stages, 2);
  EXPECT_EQ(CutSequenceCsv(sequences),
            "layout,step,axis,position,from,to\n"
            "1,1,Y,600,0,1220\n"
            "1,2,X,10,0,600\n"
            "1,3,X,610,0,600\n"
            "1,4,X,1210,0,600\n");
  EXPECT_EQ(CutSequenceText(sequences),
            "Layout 1: 4 cuts, cut length 3020 mm, 2 stages\n"
            "Cut 1: across at 600 mm, full width 1220 mm, stage 1\n"
            "Cut 2: along at 10 mm, from 0 to 600 mm (600 mm), stage 2\n"
            "Cut 3: along at 610 mm, from 0 to 600 mm (600 mm), stage 2\n"
            "Cut 4: along at 1210 mm, from 0 to 600 mm (600 mm), stage 2\n\n"
            "Plan: 8 cuts, cut length 6040 mm, at most 2 stages, every layout counted as often "
            "as it is cut\n");
  EXPECT_EQ(CutNumber(12.3456), "12.346");
  EXPECT_EQ(CutNumber(-0.0001), "0");
}

}  // namespace
}  // namespace trimora
