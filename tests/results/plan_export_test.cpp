#include "results/plan_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <locale>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/layout_results.h"
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
enum Column { kKind, kLayout, kRepeat, kStockL = 4, kStockW, kX = 7, kY, kL, kW, kRotated, kLine };

// A strict reader that only says whether the text is one JSON value.
struct JsonCheck {
  const std::string& s;
  size_t i = 0;
  char Peek() {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return i < s.size() ? s[i] : '\0';
  }
  bool Take(char c) { return Peek() == c && ++i; }
  bool String() {
    if (!Take('"')) return false;
    for (; i < s.size() && s[i] != '"'; ++i) {
      if (static_cast<unsigned char>(s[i]) < 0x20) return false;
      if (s[i] == '\\' &&
          !(++i < s.size() && std::string("\"\\/bfnrtu").find(s[i]) != std::string::npos))
        return false;
    }
    return i++ < s.size();
  }
  bool Value() {
    const char open = Peek();
    if (open == '"') return String();
    if (open == '{' || open == '[') {
      const char close = open == '{' ? '}' : ']';
      ++i;
      for (int n = 0; !Take(close); ++n) {
        if ((n > 0 && !Take(',')) || (open == '{' && !(String() && Take(':'))) || !Value())
          return false;
      }
      return true;
    }
    const size_t start = i;
    while (i < s.size() && std::string("+-.0123456789Eaeflnrstu").find(s[i]) != std::string::npos)
      ++i;
    const std::string word = s.substr(start, i - start) + " ";  // no digit after its end
    double number = 0;
    const char* end = word.data() + word.size() - 1;
    return word == "true " || word == "false " || word == "null " ||
           (std::from_chars(word.data(), end, number).ptr == end &&
            std::isdigit(word[word[0] == '-']) && std::isdigit(word[word.size() - 2]));
  }
};

bool IsJson(const std::string& text) {
  JsonCheck check{text};
  return check.Value() && check.Peek() == '\0';
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

TEST_P(PlanExportOfGoldenPlan, PiecesAreTheRecordsInsideTheirMarginsApartAndMeetTheDemand) {
  const GoldenPlan plan(GetParam());
  ASSERT_TRUE(plan.ready);
  const std::vector<Row> rows = CsvRows(plan.Csv());
  // Piece rows follow the piece records: each the record without the kerf on its far sides,
  // inside its stock's margins, with the sizes typed on its line (exchanged when rotated).
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
    const RollRecord& roll = plan.model.rolls[size_t(rec.roll)];
    EXPECT_TRUE(x >= roll.ML - tol && x + w <= Num(p, kStockW) - roll.MR + tol &&
                y >= roll.MT - tol && y + l <= Num(p, kStockL) - roll.MB + tol)
        << "row " << next - 1;
    const int line = std::stoi(p[kLine]);
    std::array typed = {LeadingSingle(plan.cuts.Text(line, 1)),
                        LeadingSingle(plan.cuts.Text(line, 2))};
    if (p[kRotated] == "1") std::swap(typed[0], typed[1]);
    EXPECT_EQ(typed, (std::array{l, w})) << "row " << next - 1;
    produced[line] += Num(p, kRepeat);
  }
  for (; next < rows.size(); ++next) EXPECT_EQ(rows[next][kKind], "offcut");
  float placed = 0;
  for (size_t c = 1; c < plan.model.cuts.size(); ++c) {
    EXPECT_EQ(produced[plan.model.cuts[c].row], plan.model.cuts[c].QTY) << plan.model.cuts[c].row;
    placed += plan.model.cuts[c].QTY;
  }
  // Pieces and off-cuts of a layout leave each other alone.
  std::vector<std::array<float, 4>> box;
  for (const Row& r : rows) box.push_back({Num(r, kX), Num(r, kY), Num(r, kW), Num(r, kL)});
  for (size_t a = 1; a < rows.size(); ++a) {
    for (size_t b = a + 1; b < rows.size() && rows[b][kLayout] == rows[a][kLayout]; ++b) {
      const auto &p = box[a], &q = box[b];
      EXPECT_FALSE(p[0] + p[2] > q[0] + tol && q[0] + q[2] > p[0] + tol &&
                   p[1] + p[3] > q[1] + tol && q[1] + q[3] > p[1] + tol)
          << "rows " << a << " and " << b << " overlap";
    }
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
            "offcut,1,2,2,2000,1000,\"BAY 1\",10,313,687,987,,,,,,1\n");
  const std::string json = PlanExportJson(model, offcuts, cuts);
  EXPECT_TRUE(IsJson(json));
  for (const char* part :
       {"\"job\": \"K\303\274che.trm\"", "\"quantity\": null",
        "\"line\": 4, \"length\": 300, \"width\": 600", "\"description\": \"SHELF, \\\"OAK\\\"\"",
        "\"party\": \"K\xc3\xbchne\\\\Sohn\"", "\"site\": \"A\\u0009B\""}) {
    EXPECT_NE(json.find(part), std::string::npos) << part;
  }
}

TEST(PlanExport, NumbersKeepTheirPointUnderACommaLocale) {
  testing::ScopedWorkDir workDir;
  const GoldenPlan plan("fractional_sizes");
  ASSERT_TRUE(plan.ready);
  const std::string csv = plan.Csv(), json = plan.Json();
  ASSERT_NE(csv.find(".5,"), std::string::npos);
  try {
    std::locale::global(std::locale("de_DE.UTF-8"));  // sets C's locale too
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
  }
  const bool comma = std::string(std::localeconv()->decimal_point) == ",";
  const std::string localCsv = plan.Csv(), localJson = plan.Json();
  std::locale::global(std::locale::classic());
  EXPECT_TRUE(comma);
  EXPECT_EQ(localCsv, csv);
  EXPECT_EQ(localJson, json);
}

}  // namespace
}  // namespace trimora
