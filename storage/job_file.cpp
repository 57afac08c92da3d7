#include "storage/job_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "storage/text_file.h"

namespace trimora {

namespace {

constexpr const char* kEndLine = "[END]";
constexpr const char* kDefaultsName = "Defaults";

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  return text;
}

bool IsSectionHeader(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

const std::vector<std::string>& JobSectionTables() {
  static const std::vector<std::string> tables{"basic.tlf", "options.tlf", "sheet.tlf", "cut.tlf",
                                               "dia.tlf"};
  return tables;
}

void WriteSection(const std::string& tableFile, std::string& jobText) {
  std::string header = "[";
  header += UpperCase(tableFile);
  header += "]";
  std::vector<std::string> lines{header};
  if (const auto table = ReadLines(tableFile)) {
    lines.insert(lines.end(), table->begin(), table->end());
  }
  lines.push_back(kEndLine);
  jobText += JoinLines(lines);
}

bool ReadSection(const std::vector<std::string>& lines, size_t& pos, const std::string& tableFile) {
  if (pos < lines.size()) ++pos;  // the header line: sections are known by their order
  std::vector<std::string> table;
  // A section whose "[END]" is missing still ends where the next section begins, so its rows
  // never take in the next table's lines.
  while (pos < lines.size() && !IsSectionHeader(lines[pos])) table.push_back(lines[pos++]);
  if (pos < lines.size() && lines[pos] == kEndLine) ++pos;
  return WriteWholeFile(tableFile, JoinLines(table));
}

std::string JobText() {
  std::string text;
  for (const auto& table : JobSectionTables()) WriteSection(table, text);
  return text;
}

JobFileResult SaveJob(const std::string& fileName, const OptimizeOptions& options,
                      JobWindows& windows) {
  const std::string unwritten = windows.RefreshTablesForSave();
  JobFileResult result;
  if (!unwritten.empty()) {
    result = {false, unwritten + " cannot be written"};
  } else if (!WriteOptionsFile(options)) {
    result = {false, "options.tlf cannot be written"};
  } else if (fileName == kDefaultsName &&
             !(WriteWholeFile("sheet.tlf", "") && WriteWholeFile("cut.tlf", ""))) {
    result = {false, "sheet.tlf or cut.tlf cannot be written"};
  } else if (std::string error; !ReplaceFileSafely(fileName, JobText(), &error)) {
    result = {false, "cannot be written: " + error};
  }
  windows.RestoreActiveWindow();
  return result;
}

JobFileResult LoadJob(const std::string& fileName, JobWindows& windows, OptimizeOptions& options) {
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) return {false, "no such file"};
  if (std::filesystem::is_directory(fileName, ec)) {
    return {false, "is a folder, not a job file"};
  }
  // A device or a pipe could be read forever.
  if (!std::filesystem::is_regular_file(fileName, ec)) return {false, "is not a job file"};
  if (std::filesystem::file_size(fileName, ec) > kLargestJobFile) {
    return {false, "is larger than 64 MB, not a job file"};
  }
  const auto lines = ReadLines(fileName);
  if (!lines) return {false, "cannot be read"};
  if (lines->empty()) return {false, "the file is empty, not a job file"};
  if (!IsSectionHeader(lines->front()))
    return {false, "not a job file (it does not begin with a section header)"};

  windows.CloseForLoad();
  JobFileResult result;
  size_t pos = 0;
  for (const auto& table : JobSectionTables()) {
    if (!ReadSection(*lines, pos, table) && result.ok) {
      result = {false, table + " cannot be written"};
    }
  }
  windows.ReopenAfterLoad();
  options = ReadOptionsFile();
  return result;
}

}  // namespace trimora
