#pragma once
// dia.set: what the layout drawing shows, and the printer scale. Eleven lines of one number
// each: ten check boxes (0 off, 1 on) in the order of the fields below, then the scale.

#include <array>

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

// The printer scale to print with: 0 (never set) is 1, anything else is clamped into 1 .. 5.
int EffectivePrinterScale(const LayoutSettings& settings);

}  // namespace trimora
