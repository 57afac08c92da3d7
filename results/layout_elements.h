#pragma once
// The pieces a layout drawing is made of: colours, the kerf insets of a piece, the hatching of
// the stock, and the labels of pieces and sheets. Every label goes through PrintString.

#include <string>

#include "engine/area_list.h"
#include "engine/engine_inputs.h"
#include "platform/drawing_surface.h"
#include "results/layout_settings.h"

namespace trimora {

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kLightGrey{192, 192, 192};
inline constexpr Rgb kDarkBlue{0, 0, 128};
inline constexpr Rgb kLightCyan{0, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kCutRed{208, 0, 0};

// The colour of cut list row c: entry c mod 22 of the piece colour table when Cut-Piece Color
// is on, light cyan otherwise.
Rgb PieceColor(int c, bool cutPieceColor);

// Prints s at (x, y) unless y lies in the last text line of the visible band or below it.
void PrintString(DrawingSurface& surface, float x, float y, const std::string& s);

// A piece's record carries the kerf on its far sides. Each edge moves in by half a kerf so
// that neighbours show one kerf between them, except where the edge lies on a margin.
float InsetLeft(const AreaRecord& piece, const RollRecord& roll, float kerf);
float InsetTop(const AreaRecord& piece, const RollRecord& roll, float kerf);
float InsetRight(const AreaRecord& piece, const RollRecord& roll, float kerf);
float InsetBottom(const AreaRecord& piece, const RollRecord& roll, float kerf);

// Lines at 45 degrees in user units across (x1, y1)-(x2, y2), spacing apart.
void Hatch(DrawingSurface& surface, float x1, float y1, float x2, float y2, float spacing,
           Rgb color);

// The entered sizes of a placed piece and, when asked for, its description in lower case.
// Only labels that fit inside the piece are drawn, a description shortened if need be.
void PlacePieceLabels(DrawingSurface& surface, const AreaRecord& piece, const CutRecord& cut,
                      float kerf, const LayoutSettings& settings);

// The roll's width centred under the sheet and the used length to its right.
void PlaceSheetDimensions(DrawingSurface& surface, const AreaRecord& outline,
                          const RollRecord& roll);

}  // namespace trimora
