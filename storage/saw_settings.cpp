#include "storage/saw_settings.h"

#include <string>
#include <utility>
#include <vector>

#include "storage/text_file.h"

namespace trimora {

namespace {

std::vector<std::pair<const char*, bool SawSettings::*>> Fields() {
  return {{"through-cuts-only", &SawSettings::throughCutsOnly},
          {"number-cuts", &SawSettings::numberCuts},
          {"print-cut-sequence", &SawSettings::printCutSequence}};
}

}  // namespace

SawSettings ReadSawSettings() {
  SawSettings settings;
  const auto lines = ReadLines(kSawSettingsFile);
  if (!lines) return settings;
  for (const std::string& line : *lines) {
    for (const auto& [name, field] : Fields()) {
      if (line == std::string(name) + "=1") settings.*field = true;
    }
  }
  return settings;
}

bool WriteSawSettings(const SawSettings& settings) {
  std::vector<std::string> lines;
  for (const auto& [name, field] : Fields()) {
    lines.push_back(std::string(name) + (settings.*field ? "=1" : "=0"));
  }
  return ReplaceFileSafely(kSawSettingsFile, JoinLines(lines));
}

}  // namespace trimora
