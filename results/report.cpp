#include "results/report.h"

#include <vector>

#include "engine/layout_metrics.h"
#include "storage/column_text.h"
#include "storage/number_picture.h"
#include "storage/number_text.h"
#include "storage/report_measure.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

const std::string kStars(76, '*');
const std::string kSummaryRule(56, '-');
const std::string kCutRule(67, '-');

const RollRecord& RollOf(const ResultsModel& model, int16_t roll) {
  static const RollRecord none;
  return roll >= 1 && roll <= RecordCount(model.rolls) ? model.rolls[size_t(roll)] : none;
}

bool IsCutIndex(const ResultsModel& model, int16_t type) {
  return type >= 1 && type <= RecordCount(model.cuts);
}

void CutHeading(ColumnText& out, const char* quantity) {
  out.Place(1, "Length");
  out.Place(10, "Width");
  out.Place(19, quantity);
  out.Place(28, "Description");
  out.Place(42, "Party");
  out.Place(56, "Site");
  out.EndLine();
}

void CutRow(ColumnText& out, const CutRecord& cut, float quantity) {
  out.Place(1, PlainNumber(cut.LENGTH));
  out.Place(10, PlainNumber(cut.WIDTH));
  out.Place(19, PlainNumber(quantity));
  out.Place(28, cut.DESCRIPTION);
  out.Place(42, cut.PARTY);
  out.Place(56, cut.SITE);
  out.EndLine();
}

void BasicDetailsPart(ColumnText& out, const ResultsModel& model, int16_t layouts) {
  out.Line("Total Layouts=" + std::to_string(layouts));
  out.EmptyLines(1);
  out.Line(kStars);
  out.Line("Basic Details");
  out.EmptyLines(1);
  out.Place(1, "Mat=" + model.basic.MAT);
  out.Place(20, "Grade=" + model.basic.GRADE);
  out.Place(40, "Thk=" + PlainNumber(model.basic.THICK));
  out.EndLine();
  out.Line("Note: " + model.basic.NOTE);
  out.EmptyLines(1);
  out.Line(kStars);
}

void UtilizationSummary(ColumnText& out, const ResultsModel& model) {
  const std::string setting = ReadMeasureSetting();
  out.Line("Sheet(s) Utilization Summary");
  out.EmptyLines(1);
  out.Place(1, "Length");
  out.Place(10, "Width");
  out.Place(19, "QtyUsed");
  out.Place(28, "Location");
  out.Place(42, MeasureLabelFor(setting));
  out.EndLine();
  out.Line(kSummaryRule);
  float total = 0;
  for (size_t i = 1; i < model.records.size(); ++i) {
    const AreaRecord& r = model.records[i];
    if (r.TYPE != kRollOutline) continue;
    const float length = r.YE - r.YS;
    const float width = r.XE - r.XS;
    const std::string measure =
        MeasureValueFor(setting, model.basic.MAT, model.basic.THICK, length, width, r.repeat);
    out.Place(1, PlainNumber(length));
    out.Place(10, PlainNumber(width));
    out.Place(19, PlainNumber(r.repeat));
    out.Place(28, RollOf(model, r.roll).LOCATION);
    out.Place(42, measure);
    out.EndLine();
    total = total + LeadingSingle(measure);
  }
  out.Line(kSummaryRule);
  out.Place(1, "T O T A L");
  out.Place(42, PictureNumber(total, 5, 2));
  out.EndLine();
  out.EmptyLines(1);
  out.Line(kStars);
}

void CutPieceSummary(ColumnText& out, const ResultsModel& model) {
  std::vector<float> produced(model.cuts.size(), 0.0f);
  for (size_t i = 1; i < model.records.size(); ++i) {
    const AreaRecord& r = model.records[i];
    if (IsCutIndex(model, r.TYPE)) produced[size_t(r.TYPE)] = produced[size_t(r.TYPE)] + r.repeat;
  }
  out.Line("Cut-Piece(s) Summary");
  out.EmptyLines(1);
  CutHeading(out, "QtyPro");
  out.Line(kCutRule);
  for (int c = 1; c <= RecordCount(model.cuts); ++c) {
    CutRow(out, model.cuts[size_t(c)], produced[size_t(c)]);
  }
  out.EmptyLines(1);
  out.Line(kStars);
}

// Pieces of each cut list row on one sheet of the layout whose roll outline is record first.
std::vector<int> PiecesPerSheet(const ResultsModel& model, size_t first) {
  std::vector<int> tally(model.cuts.size(), 0);
  const int16_t layout = model.records[first].layout;
  for (size_t j = first; j < model.records.size() && model.records[j].layout <= layout; ++j) {
    const int16_t type = model.records[j].TYPE;
    if (IsCutIndex(model, type)) ++tally[size_t(type)];
  }
  return tally;
}

void LayoutSection(ColumnText& out, const ResultsModel& model, size_t first, int16_t layouts) {
  const AreaRecord& r = model.records[first];
  const RollRecord& roll = RollOf(model, r.roll);
  out.Line("Layout No. " + std::to_string(r.layout) + "/" + std::to_string(layouts));
  out.EmptyLines(1);
  out.Line("Sheet(s) Used");
  out.Line("Specified: " + PlainNumber(roll.LENGTH) + " X " + PlainNumber(roll.WIDTH));
  out.Line("Required : " + PlainNumber(r.YE - r.YS) + " X " + PlainNumber(roll.WIDTH));
  out.Line("Quantity : " + PlainNumber(r.repeat));
  out.EmptyLines(1);
  out.Line("Cut-Pieces Generated");
  CutHeading(out, "QtyPro");
  out.Line(kCutRule);
  const std::vector<int> tally = PiecesPerSheet(model, first);
  for (int c = 1; c <= RecordCount(model.cuts); ++c) {
    if (tally[size_t(c)] > 0) CutRow(out, model.cuts[size_t(c)], float(tally[size_t(c)]));
  }
  out.EmptyLines(1);
  out.Line(kStars);
}

// Grows a per-layout table so that index layout is inside it.
template <typename T>
void Reach(std::vector<T>& table, int16_t layout) {
  if (layout >= 0 && size_t(layout) >= table.size()) table.resize(size_t(layout) + 1, T{});
}

}  // namespace

std::vector<int> LayoutStartTable(const ResultsModel& model) {
  std::vector<int> start(size_t(model.layouts < 0 ? 0 : model.layouts) + 1, 0);
  for (size_t i = 1; i < model.records.size(); ++i) {
    const AreaRecord& r = model.records[i];
    if (r.TYPE != kRollOutline || r.layout < 0) continue;
    Reach(start, r.layout);
    start[size_t(r.layout)] = int(i);
  }
  return start;
}

std::string ReportText(ResultsModel& model) {
  const int16_t layouts = SolutionMetrics(model.records).layouts;
  ColumnText out;
  BasicDetailsPart(out, model, layouts);
  UtilizationSummary(out, model);
  CutPieceSummary(out, model);

  const size_t tableSize = size_t(model.layouts < 0 ? 0 : model.layouts) + 1;
  model.layoutStart.assign(tableSize, 0);
  model.sectionPosition.assign(tableSize, 0);
  for (size_t i = 1; i < model.records.size(); ++i) {
    const AreaRecord& r = model.records[i];
    if (r.TYPE != kRollOutline || r.layout < 0) continue;
    Reach(model.layoutStart, r.layout);
    Reach(model.sectionPosition, r.layout);
    model.layoutStart[size_t(r.layout)] = int(i);
    model.sectionPosition[size_t(r.layout)] = out.NextLinePosition();
    LayoutSection(out, model, i, layouts);
  }
  return out.Text();
}

bool WriteReport(ResultsModel& model, std::string* error) {
  const std::string text = ReportText(model);
  if (!WriteWholeFile(kReportFile, text)) {
    if (error) *error = std::string(kReportFile) + ": cannot be written";
    return false;
  }
  if (!WriteWholeFile(kSheetsAdjFile, "")) {
    if (error) *error = std::string(kSheetsAdjFile) + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace trimora
