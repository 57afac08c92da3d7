#pragma once
// The column layout of a table grid, built from its field tags through the field catalogue,
// and the field spec of a grid column.

#include <string>
#include <string_view>
#include <vector>

#include "storage/field_catalogue.h"
#include "storage/grid.h"

namespace trimora {

// "<Sr No", then for each tag "|<", the tag and spaces up to the tag's catalogue width (at
// least 3). A tag not in the catalogue inherits the previous tag's width; a tag longer than
// its width gets no spaces.
std::string BuildGridHeader(const std::vector<std::string_view>& tags);

// Gives the grid the layout: one column per "|"-separated part, the part (without its
// alignment mark) as the header text and its length as the display width.
void ApplyColumnLayout(Grid& grid, const std::string& layout);

// The catalogue entry of the column's trimmed header text; width 0 and no letters for a tag
// the catalogue does not know.
FieldSpec ColumnFieldSpec(const Grid& grid, int column);

}  // namespace trimora
