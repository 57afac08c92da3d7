#pragma once
// The program's settings for the saw, kept in the working folder beside effort.set rather than
// in a job or in dia.set, whose layout other tools rely on: whether plans must come apart by
// straight through-cuts, whether the Layouts window numbers the cuts on the drawing, and
// whether printed layouts list the cut sequence under their detail text.

namespace trimora {

inline constexpr const char* kSawSettingsFile = "saw.set";

struct SawSettings {
  bool throughCutsOnly = false;
  bool numberCuts = false;
  bool printCutSequence = false;
  friend bool operator==(const SawSettings&, const SawSettings&) = default;
};

// One "name=0" or "name=1" line per setting. A missing file, line or value leaves the setting
// off, so a damaged file never turns a setting on.
SawSettings ReadSawSettings();
bool WriteSawSettings(const SawSettings& settings);

}  // namespace trimora
