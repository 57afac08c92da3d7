#include "results/plan_export.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <locale>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/cut_sequence.h"
#include "engine/layout_results.h"
#include "results/layout_dxf.h"
#include "results/results_fixtures.h"
#include "storage/job_file.h"
#include "storage/job_tables.h"
#include "storage/number_text.h"
#include "test_support.h"

namespace trimora {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;
// The CSV columns the checks read.
enum Column { kKind, kRepeat = 2, kX = 7, kY, kL, kW, kRotated, kLine };

// Qt's reader checks the structure but takes ".5", "1.", raw control characters and unknown
// escapes, which stricter readers refuse: strings and bare words are checked apart.
bool IsJson(const std::string& text) {
  QJsonParseError error;
  QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  static const std::regex string(R"("(\\["\\/bfnrtu]|[^"\\\x00-\x1f])*")"), token(R"([-+.\w]+)"),
      value(R"(-?(0|[1-9]\d*)(\.\d+)?([eE][-+]?\d+)?|true|false|null)");
  const std::string rest = std::regex_replace(text, string, "");
  for (std::sregex_iterator it(rest.begin(), rest.end(), token), end; it != end; ++it) {
    if (!std::regex_match(it->str(), value)) return false;
  }
  return error.error == QJsonParseError::NoError && rest.find('"') == std::string::npos;
}

std::vector<Row> CsvRows(const std::string& text) {
  std::vector<Row> rows(1, Row(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"' && quoted && text[i + 1] == '"') {
      rows.back().back() += text[i++];
    } else if (text[i] == '"') {
      quoted = !quoted;
    } else if (!quoted && text[i] == ',') {
      rows.back().emplace_back();
    } else if (!quoted && text[i] == '\n') {
      rows.emplace_back(1);
    } else {
      rows.back().back() += text[i];
    }
  }
  rows.pop_back();  // after the last line end
  return rows;
}

float Num(const Row& row, Column c) { return LeadingSingle(row.at(c)); }

// A golden job with its recorded plan, read as the Layouts window reads it.
struct GoldenPlan {
  explicit GoldenPlan(const std::string& job) {
    const fs::path dir = TRIMORA_GOLDEN;
    JobWindows noWindows;
    OptimizeOptions options;
    ready = LoadJob((dir / (job + ".trm")).string(), noWindows, options).ok;
    testing::WriteFile(kLayoutResultsFile, testing::ReadFile((dir / (job + ".dia")).string()));
    ready = ready && BuildResultsModel(model) == ResultsStatus::kReady;
    offcuts = DeriveOffcuts(model.records, model.basic.KERF, ScrapLimits{200, 100});
    cuts = LoadTableGrid(CutPieceTable());
  }
  std::string Csv() const { return PlanExportCsv(model, offcuts, cuts); }
  std::string Json() const { return PlanExportJson(model, offcuts, cuts); }
  bool ready = false;
  ResultsModel model;
  std::vector<OffcutRow> offcuts;
  Grid cuts;
};

std::vector<std::string> OptimizedGoldenJobs() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(TRIMORA_GOLDEN)) {
    if (entry.path().extension() == ".dia" && entry.file_size() > 0) {
      names.push_back(entry.path().stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

class PlanExportOfGoldenPlan : public ::testing::TestWithParam<std::string> {
  testing::ScopedWorkDir workDir_;
};

// Whether the plan itself fits is the engine's business; here each piece row must be its record
// and the rows together the demand.
TEST_P(PlanExportOfGoldenPlan, PiecesAreTheRecordsAndMeetTheDemand) {
  const GoldenPlan plan(GetParam());
  ASSERT_TRUE(plan.ready);
  const std::vector<Row> rows = CsvRows(plan.Csv());
  // Piece rows follow the piece records: each the record without the kerf on its far sides,
  // with the sizes typed on its line (exchanged when rotated).
  const float kerf = plan.model.basic.KERF, tol = 0.002f;
  // Far from the origin a single cannot hold a tiny piece's far edge: allow a few of its steps.
  const auto near = [&](float a, float b) { return std::fabs(a - b) < tol + std::fabs(b) * 1e-6f; };
  std::map<int, float> produced;  // by cut line
  size_t next = 1;
  for (const AreaRecord& rec : plan.model.records) {
    if (rec.TYPE <= 0) continue;
    while (next < rows.size() && rows[next][kKind] != "piece") ++next;
    ASSERT_LT(next, rows.size());
    const Row& p = rows[next++];
    const float x = Num(p, kX), y = Num(p, kY), l = Num(p, kL), w = Num(p, kW);
    EXPECT_TRUE(near(x, rec.XS) && near(y, rec.YS) && near(x + w, rec.XE - kerf) &&
                near(y + l, rec.YE - kerf))
        << "row " << next - 1;
    const int line = std::stoi(p[kLine]);
    std::array typed = {LeadingSingle(plan.cuts.Text(line, 1)),
                        LeadingSingle(plan.cuts.Text(line, 2))};
    if (p[kRotated] == "1") std::swap(typed[0], typed[1]);
    EXPECT_EQ(typed, (std::array{l, w})) << "row " << next - 1;
    produced[line] += Num(p, kRepeat);
  }
  for (; next < rows.size(); ++next) EXPECT_NE(rows[next][kKind], "piece");
  // The cut rows are the saw's sequence, each a line from x, y along one axis.
  std::string sequence = "layout,step,axis,position,from,to\n";
  std::map<std::string, int> steps;
  for (const Row& r : rows) {
    if (r[kKind] != "cut") continue;
    const bool across = r[kL] == "0";
    const double from = std::stod(across ? r[kX] : r[kY]);
    sequence += r[1] + "," + std::to_string(++steps[r[1]]) + (across ? ",Y," : ",X,") +
                (across ? r[kY] : r[kX]) + "," + (across ? r[kX] : r[kY]) + "," +
                CutNumber(from + std::stod(across ? r[kW] : r[kL])) + "\n";
  }
  EXPECT_EQ(sequence, CutSequenceCsv(DeriveCutSequences(plan.model.records)));
  float placed = 0;
  for (size_t c = 1; c < plan.model.cuts.size(); ++c) {
    EXPECT_EQ(produced[plan.model.cuts[c].row], plan.model.cuts[c].QTY) << plan.model.cuts[c].row;
    placed += plan.model.cuts[c].QTY;
  }
  const std::string json = plan.Json();
  EXPECT_TRUE(IsJson(json));
  EXPECT_NE(json.find("\"pieces_placed\": " + std::to_string(int(placed)) + ","),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Jobs, PlanExportOfGoldenPlan, ::testing::ValuesIn(OptimizedGoldenJobs()),
                         [](const auto& info) { return info.param; });

TEST(PlanExport, TextIsQuotedEscapedAndUtf8AndSizesStayOnTheirAxes) {
  // Typed 300 x 600 and placed crosswise: its typed LENGTH runs along Y, so it is not rotated.
  // The off-cut is wider than long.
  ResultsModel model = testing::ModelOf(
      {testing::Rec(1, -1, 1, 0, 0, 1003, 1003, 2), testing::Rec(1, 1, 1, 10, 10, 613, 313, 2, 2)},
      {testing::Roll(2000, 1000, "BAY 1")},
      {testing::Cut(600, 300, "SHELF, \"OAK\"", "K\xfchne\\Sohn", "A\tB")});
  model.basic.KERF = 3;
  model.rolls[1] = {2000, 1000, kUnlimitedQty, 10, 10, 0, 0, "BAY 1", 2};
  model.cuts[1].row = 4;
  model.jobFileName = "/jobs/K\374che.trm";
  Grid cuts;
  cuts.SetRowCount(6);
  cuts.SetColumnCount(8);
  cuts.SetText(4, 1, "300");
  cuts.SetText(4, 2, "600");
  const std::vector<OffcutRow> offcuts = {{1, 987, 687, 2, "SCRAP", 10, 313, 1000, 1003}};
  EXPECT_EQ(PlanExportCsv(model, offcuts, cuts),
            "kind,layout,repeat,stock_line,stock_length,stock_width,stock_location,x,y,length,"
            "width,rotated,cut_line,description,party,site,scrap\n"
            "piece,1,2,2,2000,1000,\"BAY 1\",10,10,300,600,0,4,\"SHELF, \"\"OAK\"\"\","
            "K\xc3\xbchne\\Sohn,A\tB,\n"
            "offcut,1,2,2,2000,1000,\"BAY 1\",10,313,687,987,,,,,,1\n"
            "cut,1,2,2,2000,1000,\"BAY 1\",0,10,0,1003,,,,,,\n"
            "cut,1,2,2,2000,1000,\"BAY 1\",0,313,0,1003,,,,,,\n"
            "cut,1,2,2,2000,1000,\"BAY 1\",10,10,303,0,,,,,,\n"
            "cut,1,2,2,2000,1000,\"BAY 1\",613,10,303,0,,,,,,\n");
  const std::string json = PlanExportJson(model, offcuts, cuts);
  EXPECT_TRUE(IsJson(json));
  for (const char* part :
       {"\"job\": \"K\303\274che.trm\"", "\"quantity\": null",
        "\"line\": 4, \"length\": 300, \"width\": 600", "\"description\": \"SHELF, \\\"OAK\\\"\"",
        "\"party\": \"K\xc3\xbchne\\\\Sohn\"", "\"site\": \"A\\u0009B\"",
        "\"separable\": true, \"cut_count\": 4, \"cut_length\": 2612, \"stages\": 2",
        "{\"step\": 4, \"axis\": \"X\", \"position\": 613, \"from\": 10, \"to\": 313, \"stage\": "
        "2}"}) {
    EXPECT_NE(json.find(part), std::string::npos) << part;
  }
}

// The exports and the DXF drawing alike.
TEST(PlanExport, NumbersKeepTheirPointUnderACommaLocale) {
  testing::ScopedWorkDir workDir;
  const GoldenPlan plan("fractional_sizes");
  ASSERT_TRUE(plan.ready);
  const auto texts = [&] {
    return std::vector{plan.Csv(), plan.Json(), LayoutDxf(plan.model, plan.offcuts, plan.cuts, 1)};
  };
  const std::vector<std::string> classic = texts();
  ASSERT_NE(classic[0].find(".5,"), std::string::npos);
  ASSERT_NE(classic[2].find(".5\r\n"), std::string::npos);
  try {
    std::locale::global(std::locale("de_DE.UTF-8"));  // sets C's locale too
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
  }
  const bool comma = std::string(std::localeconv()->decimal_point) == ",";
  const std::vector<std::string> local = texts();
  std::locale::global(std::locale::classic());
  EXPECT_TRUE(comma);
  EXPECT_EQ(local, classic);
}

}  // namespace
}  // namespace trimora
