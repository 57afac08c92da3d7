#include "storage/cut_list_import.h"

#include <csv.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>

#include "storage/field_catalogue.h"
#include "storage/job_tables.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

// LENGTH, WIDTH and QTY, the cut table's first columns, make a cut-piece; the rest may be left
// out.
constexpr size_t kRequiredColumns = 3;
// A message box has room for this many refused rows; the others are only counted.
constexpr size_t kMostRefusalsListed = 15;
// Spreadsheets saving "CSV UTF-8" put this before the header.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Record {
  int line = 0;  // where the record starts in the file
  std::vector<std::string> fields;
};

// What libcsv hands over through its callbacks.
struct RecordCollector {
  std::vector<Record> records;
  Record current;
  bool started = false;
};

void OnField(void* text, size_t length, void* data) {
  auto& collector = *static_cast<RecordCollector*>(data);
  // An empty field may come without a buffer.
  collector.current.fields.push_back(length ? std::string(static_cast<const char*>(text), length)
                                            : std::string());
}

void OnRecordEnd(int /*terminator*/, void* data) {
  auto& collector = *static_cast<RecordCollector*>(data);
  collector.records.push_back(std::move(collector.current));
  collector.current = {};
  collector.started = false;
}

// The parser counts no lines, so it is fed one line at a time: a record starts on the first line
// holding more than blanks after the last record ended (the parser skips blank lines too), and
// may run on over further lines inside quotes.
std::optional<std::vector<Record>> ParseRecords(const std::vector<std::string>& lines,
                                                char delimiter) {
  csv_parser parser;
  if (csv_init(&parser, 0) != 0) return std::nullopt;
  csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
  RecordCollector collector;
  bool parsed = true;
  for (size_t i = 0; i < lines.size() && parsed; ++i) {
    if (!collector.started && !TrimBlanks(lines[i]).empty()) {
      collector.current.line = int(i) + 1;
      collector.started = true;
    }
    const std::string line = lines[i] + '\n';
    parsed = csv_parse(&parser, line.data(), line.size(), OnField, OnRecordEnd, &collector) ==
             line.size();
  }
  parsed = parsed && csv_fini(&parser, OnField, OnRecordEnd, &collector) == 0;
  csv_free(&parser);
  if (!parsed) return std::nullopt;
  return std::move(collector.records);
}

// Why ReadLines refused the file.
std::string Unreadable(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return "no such file";
  if (std::filesystem::is_directory(path, ec)) return "is a folder, not a CSV file";
  if (!std::filesystem::is_regular_file(path, ec)) return "is not a regular file";
  if (std::filesystem::file_size(path, ec) > kLargestTextFile) return "is larger than 64 MB";
  return "cannot be read";
}

CutListImport Refused(std::string error) {
  CutListImport import;
  import.error = std::move(error);
  return import;
}

// Where the decimal separator is a comma, spreadsheets separate fields by semicolons.
char DelimiterOf(std::string_view header) {
  const auto count = [header](char c) { return std::count(header.begin(), header.end(), c); };
  return count(';') > count(',') ? ';' : ',';
}

std::string UpperCased(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return text;
}

// For each column of the cut table, the record field that holds it: the first header field
// naming it.
using ColumnFields = std::vector<std::optional<size_t>>;

ColumnFields MapColumns(const std::vector<std::string>& header) {
  const std::vector<std::string_view>& columns = CutPieceTable().columns;
  ColumnFields map(columns.size());
  for (size_t f = 0; f < header.size(); ++f) {
    const std::string name = UpperCased(TrimBlanks(header[f]));
    const auto column = size_t(std::find(columns.begin(), columns.end(), name) - columns.begin());
    if (column < columns.size() && !map[column]) map[column] = f;
  }
  return map;
}

std::string TypeRefusal(const FieldSpec& spec, char key) {
  switch (spec.type) {
    case 'O':
      return "must be 0, 1 or 2.";
    case 'R':
      return "must be a number of 0 or more.";
    case 'L':
      return "must be a whole number of 0 or more.";
    default:
      return key == ',' || key == '"' ? "must not hold a comma or a double quote."
                                      : "may hold only printable ASCII characters.";
  }
}

// Types the text key by key into an empty cell of the field, as the grid does, leaving in cell
// what that gives. Answers why a key was refused, "" when none was.
std::string TypingRefusal(const FieldSpec& spec, std::string_view text, std::string& cell) {
  cell.clear();
  for (const char key : text) {
    const char typed = TypedCharacter(spec, key, cell);
    if (typed == 0 && cell.size() == size_t(spec.width)) {
      return "is longer than " + std::to_string(spec.width) + " characters.";
    }
    if (typed == 0) return TypeRefusal(spec, key);
    cell += typed;
  }
  // A lone decimal point can be typed, but is no size.
  if (spec.type == 'R' && cell == ".") return TypeRefusal(spec, '.');
  return "";
}

std::string FieldText(const Record& record, std::optional<size_t> field) {
  return field && *field < record.fields.size() ? TrimBlanks(record.fields[*field]) : "";
}

// Fills cells with the texts of the cut table's columns and answers "", or answers why the
// record is refused.
std::string CheckRecord(const Record& record, const ColumnFields& map,
                        std::vector<std::string>& cells) {
  const std::vector<std::string_view>& columns = CutPieceTable().columns;
  cells.assign(columns.size(), "");
  for (size_t c = 0; c < columns.size(); ++c) {
    const std::string tag(columns[c]);
    const std::string text = FieldText(record, map[c]);
    if (text.empty() && c < kRequiredColumns) return tag + " is missing.";
    // Job files hold ORN 0 for a piece that may lie either way, the same as an empty ORN; the
    // grid leaves it empty instead, since it takes no key 0.
    if (tag == "ORN" && text == "0") {
      cells[c] = text;
      continue;
    }
    FieldSpec spec;
    GetFieldSpec(tag, spec);
    if (std::string refusal = TypingRefusal(spec, text, cells[c]); !refusal.empty()) {
      return tag + " " + refusal;
    }
  }
  return "";
}

bool IsBlankRecord(const Record& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return TrimBlanks(field).empty(); });
}

// "1 row was", "3 rows were".
std::string CountOf(size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? " was" : "s were");
}

bool Fail(std::string* error, std::string why) {
  if (error) *error = std::move(why);
  return false;
}

}  // namespace

CutListImport ImportCutList(const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadLines(path);
  if (!lines) return Refused(Unreadable(path));
  if (!lines->empty() && lines->front().starts_with(kByteOrderMark)) {
    lines->front().erase(0, kByteOrderMark.size());
  }
  const auto header = std::find_if(lines->begin(), lines->end(), [](const std::string& line) {
    return !TrimBlanks(line).empty();
  });
  if (header == lines->end()) return Refused("the file is empty");
  const std::optional<std::vector<Record>> records = ParseRecords(*lines, DelimiterOf(*header));
  if (!records || records->empty()) return Refused("cannot be read");

  const ColumnFields map = MapColumns(records->front().fields);
  for (size_t c = 0; c < kRequiredColumns; ++c) {
    if (!map[c]) {
      return Refused("the header row has no " + std::string(CutPieceTable().columns[c]) +
                     " column");
    }
  }
  CutListImport import;
  for (auto record = records->begin() + 1; record != records->end(); ++record) {
    if (IsBlankRecord(*record)) continue;
    std::vector<std::string> cells;
    if (std::string refusal = CheckRecord(*record, map, cells); !refusal.empty()) {
      import.refused.push_back({record->line, std::move(refusal)});
    } else {
      import.rows.push_back(std::move(cells));
    }
  }
  return import;
}

std::string RefusalText(const RefusedCutRow& row) {
  return "Line " + std::to_string(row.line) + ": " + row.reason;
}

std::string ImportSummary(const CutListImport& import) {
  const size_t taken = import.rows.size();
  std::string text =
      taken == 0 ? "No cut-pieces were imported." : CountOf(taken, "cut-piece") + " imported.";
  const size_t refused = import.refused.size();
  if (refused == 0) return text;
  text += "\n\n";
  text += CountOf(refused, "row");
  text += " refused:";
  for (size_t i = 0; i < std::min(refused, kMostRefusalsListed); ++i) {
    text += '\n';
    text += RefusalText(import.refused[i]);
  }
  if (refused > kMostRefusalsListed) {
    text += "\n... and ";
    text += std::to_string(refused - kMostRefusalsListed);
    text += " more.";
  }
  return text;
}

bool AppendToCutTable(const std::vector<std::vector<std::string>>& rows, std::string* error) {
  if (rows.empty()) return true;
  const TableDefinition& table = CutPieceTable();
  const std::string file(table.file);
  // A table that is there but cannot be read would load as empty, and the save would lose it.
  std::error_code ec;
  if (std::filesystem::exists(file, ec) && !ReadLines(file)) {
    return Fail(error, file + " cannot be read");
  }
  Grid grid = LoadTableGrid(table);
  // After the blank entry row, which the save leaves out.
  const int first = grid.RowCount();
  grid.SetRowCount(first + int(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      grid.SetText(first + int(r), int(c) + 1, rows[r][c]);
    }
  }
  if (!SaveGridToTableFile(grid)) return Fail(error, file + " cannot be written");
  return true;
}

}  // namespace trimora
