#include "grid/grid_print.h"

#include <algorithm>
#include <vector>

#include "grid/grid_rows.h"
#include "storage/column_text.h"
#include "storage/date_text.h"
#include "storage/field_catalogue.h"
#include "storage/file_utils.h"
#include "storage/number_text.h"
#include "storage/report_measure.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

// The measure is placed this far right of the last column's position.
constexpr int kMeasureOffset = 14;

struct Layout {
  std::vector<int> positions;  // per column; 0 for the serial column and hidden columns
  int lastPosition = 1;
};

// Each shown column starts 2 past the previous one's tag or catalogue width, whichever is
// wider. A tag the catalogue does not know counts with the width looked up last.
Layout ColumnPositions(const Grid& grid) {
  Layout layout;
  layout.positions.assign(size_t(std::max(grid.ColumnCount(), 0)), 0);
  int width = 0;
  int next = 1;
  for (int c = 1; c < grid.ColumnCount(); ++c) {
    const std::string tag = TrimBlanks(grid.Text(0, c));
    char type = ' ';
    char entry = ' ';
    GetFieldSpec(tag, width, type, entry);
    if (grid.ColumnWidth(c) <= 0) continue;
    layout.positions[size_t(c)] = layout.lastPosition = next;
    next += std::max(int(tag.size()), width) + 2;
  }
  return layout;
}

bool HasMeasure(PrintedGrid kind) {
  return kind == PrintedGrid::MaterialLibrary || kind == PrintedGrid::OffCut;
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return text;
}

std::string RowMeasure(const Grid& grid, int row, const GridPrintContext& context,
                       const std::string& setting) {
  const auto number = [&](int column) { return LeadingSingle(grid.Text(row, column)); };
  if (context.kind == PrintedGrid::MaterialLibrary) {
    return MeasureValueFor(setting, grid.Text(row, 1), number(3), number(4), number(5), number(6));
  }
  return MeasureValueFor(setting, context.material, LeadingSingle(context.thickness), number(2),
                         number(3), number(4));
}

std::string HeaderText(const Grid& grid, const Layout& layout, const GridPrintContext& context,
                       const std::string& setting) {
  ColumnText out;
  out.EmptyLines(1);
  if (!context.jobFileName.empty()) out.Line("File: " + FileNameFromPath(context.jobFileName));
  out.Line("Date: " + context.date);
  out.EmptyLines(1);
  out.Line(context.caption);
  out.EmptyLines(1);
  if (context.kind != PrintedGrid::Report) {
    for (int c = 1; c < grid.ColumnCount(); ++c) {
      if (layout.positions[size_t(c)] > 0) {
        out.Place(layout.positions[size_t(c)], TrimBlanks(grid.Text(0, c)));
      }
    }
    if (HasMeasure(context.kind)) {
      out.Place(layout.lastPosition + kMeasureOffset, UpperCase(MeasureLabelFor(setting)));
    }
    out.EndLine();
  }
  return out.Text();
}

std::string ListingText(const Grid& grid, const Layout& layout, const GridPrintContext& context,
                        const std::string& setting, int first, int last) {
  ColumnText out;
  for (int r = first; r <= last; ++r) {
    if (context.kind != PrintedGrid::Report && IsBlankRow(grid, r)) continue;
    for (int c = 1; c < grid.ColumnCount(); ++c) {
      if (layout.positions[size_t(c)] > 0) out.Place(layout.positions[size_t(c)], grid.Text(r, c));
    }
    if (HasMeasure(context.kind)) {
      out.Place(layout.lastPosition + kMeasureOffset, RowMeasure(grid, r, context, setting));
    }
    out.EndLine();
  }
  return out.Text();
}

}  // namespace

std::string PrintDate() { return TodayText("%d-%m-%Y"); }

GridPrintFiles WriteGridListing(const Grid& grid, const GridPrintContext& context,
                                bool selectedRowsOnly) {
  int first = 1;
  int last = grid.RowCount() - 1;
  if (selectedRowsOnly) {
    first = std::min(grid.row, grid.rowSel);
    last = std::max(grid.row, grid.rowSel);
  }
  const Layout layout = ColumnPositions(grid);
  const std::string setting = HasMeasure(context.kind) ? ReadMeasureSetting() : "";
  WriteWholeFile(kPrintHeaderFile, HeaderText(grid, layout, context, setting));
  WriteWholeFile(kPrintFile, ListingText(grid, layout, context, setting, first, last));
  return GridPrintFiles{kPrintFile, kPrintHeaderFile};
}

std::optional<GridPrintFiles> PrintGrid(const Grid& grid, const GridPrintContext& context,
                                        GridEditorHost& host) {
  const PrintDialogAnswer range = host.AskPrintRange();
  if (range == PrintDialogAnswer::Cancelled) return std::nullopt;
  return WriteGridListing(grid, context, range == PrintDialogAnswer::Selection);
}

}  // namespace trimora
