#include "engine/layout_results.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "storage/number_text.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

constexpr size_t kFieldsPerLine = 9;

std::optional<float> ParseSingle(std::string_view text) {
  float value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;  // "inf" and "nan" are no coordinates
  return value;
}

std::optional<int16_t> ParseInteger(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return int16_t(value);
}

// The nine numbers of one line, or nothing when any of them is missing or not a number.
std::optional<AreaRecord> ParseLine(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = line.find(',', start);
    fields.push_back(TrimBlanks(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (fields.size() != kFieldsPerLine) return std::nullopt;

  const auto layout = ParseInteger(fields[0]);
  const auto type = ParseInteger(fields[1]);
  const auto roll = ParseInteger(fields[2]);
  const auto xs = ParseSingle(fields[3]);
  const auto ys = ParseSingle(fields[4]);
  const auto xe = ParseSingle(fields[5]);
  const auto ye = ParseSingle(fields[6]);
  const auto repeat = ParseSingle(fields[7]);
  const auto orientation = ParseInteger(fields[8]);
  if (!layout || !type || !roll || !xs || !ys || !xe || !ye || !repeat || !orientation) {
    return std::nullopt;
  }
  return AreaRecord{*layout, *type, *roll, *xs, *ys, *xe, *ye, *repeat, *orientation};
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == line.npos; }

}  // namespace

std::string LayoutResultsLine(const AreaRecord& a) {
  std::string line;
  line += std::to_string(a.layout) + ',' + std::to_string(a.TYPE) + ',' + std::to_string(a.roll);
  for (const float value : {a.XS, a.YS, a.XE, a.YE, a.repeat}) line += ',' + NeutralNumber(value);
  line += ',' + std::to_string(a.orientation);
  return line;
}

bool WriteLayoutResults(const AreaList& plan, std::string* error) {
  std::string content;
  for (size_t k = 1; k < plan.size(); ++k) {
    content += LayoutResultsLine(plan[k]);
    content += "\r\n";
  }
  return ReplaceFileSafely(kLayoutResultsFile, content, error);
}

LayoutResultsStatus ReadLayoutResults(AreaList& list, std::string* error) {
  const auto lines = ReadLines(kLayoutResultsFile);
  if (!lines) return LayoutResultsStatus::kNoResults;

  AreaList records;
  for (size_t n = 0; n < lines->size(); ++n) {
    const std::string& line = (*lines)[n];
    if (IsBlank(line)) continue;
    const auto record = ParseLine(line);
    if (!record) {
      if (error) *error = "dia.tlf line " + std::to_string(n + 1) + " is not nine numbers";
      list.resize(1);
      return LayoutResultsStatus::kMalformed;
    }
    records.push_back(*record);
  }
  if (records.empty()) return LayoutResultsStatus::kNoResults;

  list.resize(1);
  list.insert(list.end(), records.begin(), records.end());
  return LayoutResultsStatus::kLayouts;
}

}  // namespace trimora
