#include "results/layout_settings.h"

#include <cmath>
#include <string>
#include <vector>

#include "storage/file_utils.h"
#include "storage/number_text.h"
#include "storage/settings_file.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

// The numbers of the file in order, separated by commas or line ends.
std::vector<double> NumbersOf(const std::string& path) {
  std::vector<double> numbers;
  const auto lines = ReadLines(path);
  if (!lines) return numbers;
  for (const std::string& line : *lines) {
    for (const std::string& field : SplitRecordFields(line))
      numbers.push_back(LeadingNumber(field));
  }
  return numbers;
}

}  // namespace

void ReadLayoutSettings(const char* path, LayoutSettings& settings) {
  const std::string name = SettingsFileName(path);
  if (FileExists(name)) {
    const std::vector<double> numbers = NumbersOf(name);
    bool* const boxes[] = {&settings.basicDetailsList,   &settings.sheetDimensions,
                           &settings.marginDimensions,   &settings.onlyFirstInBlock,
                           &settings.cutPieceDimensions, &settings.cutPieceDescription,
                           &settings.cutPieceColor,      &settings.offCutDimensions,
                           &settings.offCutBoundries,    &settings.offCutList};
    // A short file sets what it holds; the rest keep their values.
    for (size_t i = 0; i < 10 && i < numbers.size(); ++i) *boxes[i] = numbers[i] != 0;
    if (numbers.size() > 10) settings.printerScale = int(std::lround(numbers[10]));
  }
  settings.offCutDimensions = false;
  settings.offCutBoundries = false;
  settings.offCutList = false;
}

std::optional<StoredLayoutSettings> ReadStoredLayoutSettings(const char* path) {
  const std::string name = SettingsFileName(path);
  if (!FileExists(name)) return std::nullopt;
  const std::vector<double> numbers = NumbersOf(name);
  StoredLayoutSettings values{};
  for (size_t i = 0; i < values.size() && i < numbers.size(); ++i)
    values[i] = int(std::lround(numbers[i]));
  return values;
}

bool WriteStoredLayoutSettings(const char* path, const StoredLayoutSettings& values,
                               std::string* error) {
  std::string text;
  for (const int value : values) text += std::to_string(value) + "\r\n";
  if (ReplaceFileSafely(SettingsFileName(path), text)) return true;
  if (error) *error = std::string(path) + " cannot be written";
  return false;
}

int EffectivePrinterScale(const LayoutSettings& settings) {
  if (settings.printerScale < 1) return 1;
  if (settings.printerScale > 5) return 5;
  return settings.printerScale;
}

}  // namespace trimora
