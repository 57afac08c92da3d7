#include "results/layout_dxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "engine/cut_sequence.h"
#include "engine/layout_results.h"
#include "results/results_fixtures.h"
#include "storage/job_file.h"
#include "storage/job_tables.h"
#include "test_support.h"

namespace trimora {
namespace {

namespace fs = std::filesystem;

// --- reading the drawing back, as a CAM program would --------------------------------------

struct Rect {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Entity {
  std::string type, layer, text;
  int flags = 0;
  double x = 0, y = 0, x1 = 0, y1 = 0, height = 0;
  std::vector<std::pair<double, double>> vertices;
};

struct Drawing {
  std::map<std::string, std::string> header;  // the first value of each variable
  std::vector<std::string> layers;
  std::vector<Entity> entities;

  std::vector<const Entity*> Of(const std::string& type, const std::string& layer) const {
    std::vector<const Entity*> found;
    for (const Entity& e : entities)
      if (e.type == type && e.layer == layer) found.push_back(&e);
    return found;
  }
};

double Number(const std::string& value) {
  double number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  EXPECT_TRUE(error == std::errc() && end == value.data() + value.size()) << value;
  return number;
}

// Group codes and values, a line each; a VERTEX belongs to the POLYLINE before it. Every
// coordinate, height and flag must be a plain number.
Drawing ReadDxf(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 2;
  }
  Drawing drawing;
  std::string section, variable;
  bool inLayer = false;
  static const std::regex number(R"(-?\d+(\.\d+)?)");
  for (size_t i = 0; i + 1 < lines.size(); i += 2) {
    const int code = std::stoi(lines[i]);
    const std::string& value = lines[i + 1];
    if (code >= 10 && code <= 73) EXPECT_TRUE(std::regex_match(value, number)) << value;
    if (code == 0 && value == "SECTION") section = lines[i + 3];
    if (section == "HEADER" && code == 9) variable = value;
    if (section == "HEADER" && code != 9 && !variable.empty()) {
      drawing.header[variable] = value;
      variable.clear();
    }
    if (section == "TABLES" && code == 0) inLayer = value == "LAYER";
    if (section == "TABLES" && code == 2 && inLayer) drawing.layers.push_back(value);
    if (section != "ENTITIES") continue;
    if (code == 0 && value != "VERTEX" && value != "SEQEND" && value != "ENDSEC") {
      drawing.entities.push_back({value});
    }
    if (drawing.entities.empty()) continue;
    Entity& e = drawing.entities.back();
    if (code == 0 && value == "VERTEX") e.vertices.emplace_back();
    const bool vertex = !e.vertices.empty();
    if (code == 8 && !vertex) e.layer = value;
    if (code == 1) e.text = value;
    if (code == 70) e.flags = std::stoi(value);
    if (code == 40) e.height = Number(value);
    if (code == 10) (vertex ? e.vertices.back().first : e.x) = Number(value);
    if (code == 20) (vertex ? e.vertices.back().second : e.y) = Number(value);
    if (code == 11) e.x1 = Number(value);
    if (code == 21) e.y1 = Number(value);
  }
  return drawing;
}

// The closed outlines of a layer, each an axis-parallel rectangle.
std::vector<Rect> Outlines(const Drawing& drawing, const std::string& layer) {
  std::vector<Rect> rects;
  for (const Entity* e : drawing.Of("POLYLINE", layer)) {
    EXPECT_EQ(e->flags & 1, 1) << layer;
    EXPECT_EQ(e->vertices.size(), 4u) << layer;
    if (e->vertices.size() != 4) continue;
    const auto& v = e->vertices;
    EXPECT_TRUE(v[0].second == v[1].second && v[1].first == v[2].first &&
                v[2].second == v[3].second && v[3].first == v[0].first)
        << layer;
    rects.push_back({std::min(v[0].first, v[2].first), std::min(v[0].second, v[2].second),
                     std::max(v[0].first, v[2].first), std::max(v[0].second, v[2].second)});
  }
  return rects;
}

constexpr double kTol = 0.002;

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.x0 >= outer.x0 - kTol && inner.y0 >= outer.y0 - kTol &&
         inner.x1 <= outer.x1 + kTol && inner.y1 <= outer.y1 + kTol;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x0 < b.x1 - kTol && b.x0 < a.x1 - kTol && a.y0 < b.y1 - kTol && b.y0 < a.y1 - kTol;
}

// --- plans ---------------------------------------------------------------------------------

// A job with its plan, read as the Layouts window reads it; results, when given, replace the
// job's own layout results.
struct Plan {
  Plan(const fs::path& job, const fs::path& results) {
    JobWindows noWindows;
    OptimizeOptions options;
    ready = LoadJob(job.string(), noWindows, options).ok;
    if (!results.empty()) {
      testing::WriteFile(kLayoutResultsFile, testing::ReadFile(results.string()));
    }
    ready = ready && BuildResultsModel(model) == ResultsStatus::kReady;
    offcuts = DeriveOffcuts(model.records, model.basic.KERF, ScrapLimits{200, 100});
    cuts = LoadTableGrid(CutPieceTable());
  }
  std::string Dxf(int n) const { return LayoutDxf(model, offcuts, cuts, n); }
  bool ready = false;
  ResultsModel model;
  std::vector<OffcutRow> offcuts;
  Grid cuts;
};

// The demo job as shipped, and every golden plan but the one whose 0.007 mm pieces lie 246913
// mm from the origin, where a single steps by 0.016 mm: its records themselves overlap.
std::vector<std::string> PlanNames() {
  std::vector<std::string> names = {"demo-optimized"};
  for (const auto& entry : fs::directory_iterator(TRIMORA_GOLDEN)) {
    if (entry.path().extension() == ".dia" && entry.file_size() > 0 &&
        entry.path().stem() != "tiny_on_huge_roll") {
      names.push_back(entry.path().stem().string());
    }
  }
  std::sort(names.begin() + 1, names.end());
  return names;
}

Plan LoadPlan(const std::string& name) {
  if (name == "demo-optimized") return Plan(fs::path(TRIMORA_EXAMPLES) / (name + ".trm"), {});
  const fs::path golden = TRIMORA_GOLDEN;
  return Plan(golden / (name + ".trm"), golden / (name + ".dia"));
}

class LayoutDxfOfPlan : public ::testing::TestWithParam<std::string> {
  testing::ScopedWorkDir workDir_;
};

// Every layout: millimetres, the five layers, each piece at its place and typed size inside
// the stock without overlapping another, the off-cuts in the room the pieces leave, and the
// saw's cuts in the kerf between the pieces.
TEST_P(LayoutDxfOfPlan, PiecesOffcutsAndCutsLieWhereThePlanPutsThem) {
  const Plan plan = LoadPlan(GetParam());
  ASSERT_TRUE(plan.ready);
  const ResultsModel& model = plan.model;
  const float kerf = model.basic.KERF;
  const auto sequences = DeriveCutSequences(model.records);
  for (int n = 1; n <= model.layouts; ++n) {
    SCOPED_TRACE("layout " + std::to_string(n));
    const Drawing drawing = ReadDxf(plan.Dxf(n));
    EXPECT_EQ(drawing.header.at("$ACADVER"), "AC1009");
    EXPECT_EQ(drawing.header.at("$INSUNITS"), "4");
    EXPECT_EQ(drawing.header.at("$MEASUREMENT"), "1");
    EXPECT_EQ(drawing.layers,
              (std::vector<std::string>{"STOCK", "PIECES", "OFFCUTS", "LABELS", "CUTS"}));

    std::vector<const AreaRecord*> records;
    for (const AreaRecord& r : model.records)
      if (r.layout == n && r.TYPE > 0) records.push_back(&r);
    const RollRecord& roll = model.rolls[size_t(records.front()->roll)];
    const Rect stock{0, 0, roll.WIDTH, roll.LENGTH};
    const std::vector<Rect> stockOutlines = Outlines(drawing, "STOCK");
    ASSERT_EQ(stockOutlines.size(), 1u);
    EXPECT_TRUE(Inside(stockOutlines[0], stock) && Inside(stock, stockOutlines[0]));

    // The record carries the kerf on its far sides; the piece is the typed size either way.
    const std::vector<Rect> pieces = Outlines(drawing, "PIECES");
    ASSERT_EQ(pieces.size(), records.size());
    for (size_t i = 0; i < pieces.size(); ++i) {
      const Rect& p = pieces[i];
      const AreaRecord& r = *records[i];
      const CutRecord& cut = model.cuts[size_t(r.TYPE)];
      EXPECT_NEAR(p.x0, r.XS, kTol);
      EXPECT_NEAR(p.y0, r.YS, kTol);
      EXPECT_NEAR(p.x1, r.XE - kerf, kTol + r.XE * 1e-6);
      EXPECT_NEAR(p.y1, r.YE - kerf, kTol + r.YE * 1e-6);
      const double across = p.x1 - p.x0, along = p.y1 - p.y0;
      EXPECT_NEAR(std::min(across, along), cut.WIDTH, kTol);
      EXPECT_NEAR(std::max(across, along), cut.LENGTH, kTol);
      EXPECT_TRUE(Inside(p, stock)) << "piece " << i;
      for (size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(p, pieces[j])) << i << ", " << j;
    }

    const std::vector<Rect> offcuts = Outlines(drawing, "OFFCUTS");
    EXPECT_EQ(offcuts.size(),
              size_t(std::count_if(plan.offcuts.begin(), plan.offcuts.end(),
                                   [&](const auto& row) { return row.layout == n; })));
    for (const Rect& o : offcuts) {
      EXPECT_TRUE(Inside(o, stock));
      for (const Rect& p : pieces) EXPECT_FALSE(Overlap(o, p));
    }

    // Each label lies inside a piece even at a character as wide as the text is high.
    for (const Entity* label : drawing.Of("TEXT", "LABELS")) {
      const Rect box{label->x, label->y, label->x + label->height * double(label->text.size()),
                     label->y + label->height};
      EXPECT_TRUE(std::any_of(pieces.begin(), pieces.end(), [&](const Rect& p) {
        return Inside(box, p);
      })) << label->text;
    }

    // A cut keeps half a kerf from every piece beside it: it runs along the kerf's middle.
    const CutSequence& sequence = sequences[size_t(n) - 1].second;
    const std::vector<const Entity*> cuts = drawing.Of("LINE", "CUTS");
    EXPECT_EQ(cuts.size(), sequence.cuts.size());
    EXPECT_EQ(drawing.Of("TEXT", "CUTS").size(), sequence.cuts.size());
    for (const Entity* cut : cuts) {
      const Rect line{std::min(cut->x, cut->x1), std::min(cut->y, cut->y1),
                      std::max(cut->x, cut->x1), std::max(cut->y, cut->y1)};
      EXPECT_TRUE(Inside(line, stock));
      const bool across = line.y0 == line.y1;
      for (const Rect& p : pieces) {
        const bool beside = across ? p.x0 < line.x1 - kTol && p.x1 > line.x0 + kTol
                                   : p.y0 < line.y1 - kTol && p.y1 > line.y0 + kTol;
        const double at = across ? line.y0 : line.x0;
        const double low = across ? p.y0 : p.x0, high = across ? p.y1 : p.x1;
        EXPECT_TRUE(!beside || at <= low - kerf / 2 + kTol || at >= high + kerf / 2 - kTol)
            << "cut at " << at << " by a piece from " << low << " to " << high;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Jobs, LayoutDxfOfPlan, ::testing::ValuesIn(PlanNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// Four pieces locked like a pinwheel round a tiny fifth, on a sheet cut back to 300.
TEST(LayoutDxf, SmallPiecesGoUnlabelledTextIsWindows1252AndAPinwheelHasNoCuts) {
  ResultsModel model = testing::ModelOf(
      {testing::Rec(1, -1, 1, 0, 0, 300, 300, 1), testing::Rec(1, 1, 1, 0, 0, 200, 100, 1, 2),
       testing::Rec(1, 1, 1, 200, 0, 300, 200, 1, 1),
       testing::Rec(1, 1, 1, 100, 200, 300, 300, 1, 2),
       testing::Rec(1, 1, 1, 0, 100, 100, 300, 1, 1),
       testing::Rec(1, 2, 1, 140, 140, 144, 143, 1, 1)},
      {testing::Roll(400, 300)}, {testing::Cut(200, 100, "K\xfchne 50%\x01"), testing::Cut(4, 3)});
  model.cuts[1].row = 1;
  model.cuts[2].row = 2;
  Grid cuts;
  cuts.SetRowCount(3);
  cuts.SetColumnCount(8);
  const std::tuple<int, const char*, const char*> typed[] = {{1, "100", "200"}, {2, "4", "3"}};
  for (const auto& [row, length, width] : typed) {
    cuts.SetText(row, 1, length);
    cuts.SetText(row, 2, width);
  }
  const Drawing drawing = ReadDxf(LayoutDxf(model, {}, cuts, 1));

  std::vector<std::string> labels;
  for (const Entity* e : drawing.Of("TEXT", "LABELS")) labels.push_back(e->text);
  const std::vector<std::string> pair = {"K\xfchne 50%%%?", "100 x 200"};  // as typed
  EXPECT_EQ(labels.size(), 8u);
  for (size_t i = 0; i + 1 < labels.size(); i += 2) {
    EXPECT_EQ(std::vector(labels.begin() + long(i), labels.begin() + long(i) + 2), pair);
  }
  EXPECT_TRUE(drawing.Of("LINE", "CUTS").empty());
  EXPECT_TRUE(drawing.Of("TEXT", "CUTS").empty());
  const std::vector<const Entity*> cutBack = drawing.Of("LINE", "STOCK");
  ASSERT_EQ(cutBack.size(), 1u);
  EXPECT_TRUE(cutBack[0]->x == 0 && cutBack[0]->y == 300 && cutBack[0]->x1 == 300 &&
              cutBack[0]->y1 == 300);
  EXPECT_EQ(LayoutDxfName("/jobs/K\xfc"
                          "che.v2.trm",
                          12),
            "K\xfc"
            "che.v2-L12.dxf");
}

}  // namespace
}  // namespace trimora
