#include "results/label_sheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "results/report.h"
#include "storage/column_text.h"
#include "storage/number_picture.h"
#include "storage/number_text.h"
#include "storage/settings_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

constexpr int kLabelLines = 5;

// The numeric value rounded to an integer as a 16-bit field takes it (half to even).
int WholeNumber(const std::vector<std::string>& fields, size_t i) {
  if (i >= fields.size()) return 0;
  const double value = std::nearbyint(LeadingNumber(fields[i]));
  return value > 32767 ? 32767 : value < -32768 ? -32768 : int(value);
}

// Records first .. last (1-based, inclusive) of the chosen range; first > last when empty.
void RangeOf(const ResultsModel& model, int layout, size_t& first, size_t& last) {
  const size_t count = model.records.size() - 1;
  first = 1;
  last = count;
  if (layout == 0) return;
  const std::vector<int> start =
      model.layoutStart.empty() ? LayoutStartTable(model) : model.layoutStart;
  if (layout < 0 || size_t(layout) >= start.size() || start[size_t(layout)] <= 0) {
    first = 1;
    last = 0;
    return;
  }
  first = size_t(start[size_t(layout)]);
  for (size_t n = size_t(layout) + 1; n < start.size(); ++n) {
    if (start[n] > 0) {
      last = size_t(start[n]) - 1;
      break;
    }
  }
}

// The lines of a column text, each of which ends in CR LF.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t end = 0;
  for (size_t start = 0; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> RowLines(const std::vector<std::vector<std::string>>& labels,
                                  const LabelDefinition& d) {
  ColumnText out;
  for (int line = 0; line < kLabelLines; ++line) {
    for (size_t k = 0; k < labels.size(); ++k) {
      out.Place(d.HS + d.HP * int(k), labels[k][size_t(line)]);
    }
    out.EndLine();
  }
  out.EmptyLines(d.VP);
  return LinesOf(out.Text());
}

}  // namespace

LabelDefinition LabelDefinitionOf(const std::vector<std::string>& fields) {
  return {WholeNumber(fields, 0), WholeNumber(fields, 1), WholeNumber(fields, 2),
          WholeNumber(fields, 3), WholeNumber(fields, 4)};
}

std::string LabelDefinitionProblem(const LabelDefinition& d) {
  const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
  const bool fits = within(d.COLS, 1, 20) && within(d.HS, 1, 200) && within(d.HP, 1, 200) &&
                    within(d.VS, 0, 100) && within(d.VP, 0, 100);
  return fits ? "" : kLabelsOutOfRangeMessage;
}

std::optional<LabelDefinition> ReadLabelDefinition(std::string* problem) {
  const std::vector<std::string> fields = FirstRecordOf(kLabelDefinitionFile);
  const LabelDefinition d = LabelDefinitionOf(fields);
  if (fields.empty() || d.COLS < 1) {
    if (problem) *problem = kLabelsNotDefinedMessage;
    return std::nullopt;
  }
  if (const std::string why = LabelDefinitionProblem(d); !why.empty()) {
    if (problem) *problem = why;
    return std::nullopt;
  }
  return d;
}

std::vector<std::string> LabelLines(const ResultsModel& model, const AreaRecord& piece) {
  static const CutRecord none;
  const bool known = piece.TYPE >= 1 && piece.TYPE <= RecordCount(model.cuts);
  const CutRecord& cut = known ? model.cuts[size_t(piece.TYPE)] : none;
  return {"Mat=" + model.basic.MAT + " Grade=" + model.basic.GRADE +
              " Thk=" + PlainNumber(model.basic.THICK),
          PlainNumber(cut.LENGTH) + " X " + PlainNumber(cut.WIDTH), "Descr:" + cut.DESCRIPTION,
          "Party:" + cut.PARTY, "Site:" + cut.SITE};
}

std::vector<std::vector<std::string>> LabelSheetRows(const ResultsModel& model,
                                                     const LabelDefinition& definition,
                                                     int layout) {
  std::vector<std::vector<std::string>> rows;
  rows.emplace_back(size_t(std::max(definition.VS, 0)));
  size_t first = 0, last = 0;
  RangeOf(model, layout, first, last);
  std::vector<std::vector<std::string>> pending;
  for (size_t i = first; i <= last; ++i) {
    const AreaRecord& r = model.records[i];
    if (r.TYPE > 0) pending.push_back(LabelLines(model, r));
    if (int(pending.size()) == definition.COLS || i == last) {
      rows.push_back(RowLines(pending, definition));
      pending.clear();
    }
  }
  return rows;
}

std::string LabelSheetText(const ResultsModel& model, const LabelDefinition& definition,
                           int layout) {
  std::string text;
  for (const std::vector<std::string>& row : LabelSheetRows(model, definition, layout)) {
    text += JoinLines(row);
  }
  return text;
}

bool WriteLabelSheet(const ResultsModel& model, int layout, std::string* error) {
  const std::optional<LabelDefinition> definition = ReadLabelDefinition(error);
  if (!definition) {
    return false;
  }
  if (WriteWholeFile(kLabelSheetFile, LabelSheetText(model, *definition, layout))) return true;
  if (error) *error = std::string(kLabelSheetFile) + ": cannot be written";
  return false;
}

}  // namespace trimora
