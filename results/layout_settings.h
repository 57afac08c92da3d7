#pragma once
// dia.set: what the layout drawing shows, and the printer scale. Eleven lines of one number
// each: ten check boxes (0 off, 1 on) in the order of the fields below, then the scale.

#include <array>
#include <optional>
#include <string>

namespace trimora {

struct LayoutSettings {
  bool basicDetailsList = false;
  bool sheetDimensions = false;
  bool marginDimensions = false;
  bool onlyFirstInBlock = false;
  bool cutPieceDimensions = false;
  bool cutPieceDescription = false;
  bool cutPieceColor = false;
  bool offCutDimensions = false;
  bool offCutBoundries = false;
  bool offCutList = false;
  int printerScale = 0;  // 1 .. 5; 0 when dia.set was never written
};

// Reads dia.set from path when it exists (the settings keep their values otherwise), then
// turns the three off-cut settings off, as the Layouts window does.
void ReadLayoutSettings(const char* path, LayoutSettings& settings);

// dia.set's eleven numbers as stored, as the Layout Settings window shows and writes them: the
// ten check boxes, then the printer scale.
using StoredLayoutSettings = std::array<int, 11>;

// The stored numbers when the file exists (numbers it lacks are 0); nullopt otherwise.
std::optional<StoredLayoutSettings> ReadStoredLayoutSettings(const char* path);

// Writes the eleven numbers, one per line, each followed by CR LF. False, with error, when the
// file cannot be written.
bool WriteStoredLayoutSettings(const char* path, const StoredLayoutSettings& values,
                               std::string* error = nullptr);

// The printer scale to print with: 0 (never set) is 1, anything else is clamped into 1 .. 5.
int EffectivePrinterScale(const LayoutSettings& settings);

}  // namespace trimora
