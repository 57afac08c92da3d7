#include "results/offcuts.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>

#include "results/report.h"
#include "storage/number_picture.h"
#include "storage/number_text.h"
#include "storage/settings_file.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

struct Rect {
  float XS = 0, YS = 0, XE = 0, YE = 0;
};

Rect RectOf(const AreaRecord& r) { return {r.XS, r.YS, r.XE, r.YE}; }

float Area(const Rect& r) { return (r.XE - r.XS) * (r.YE - r.YS); }

bool Overlaps(const Rect& f, const Rect& o) {
  return f.XS < o.XE && f.XE > o.XS && f.YS < o.YE && f.YE > o.YS;
}

// The largest part of f outside o, in the order left, right, top, bottom (the earlier on
// equal areas); none when o covers f.
std::optional<Rect> LargestPartOutside(const Rect& f, const Rect& o) {
  std::optional<Rect> best;
  auto consider = [&](bool exists, Rect part) {
    if (exists && (!best || Area(part) > Area(*best))) best = part;
  };
  consider(o.XS > f.XS, {f.XS, f.YS, o.XS, f.YE});
  consider(o.XE < f.XE, {o.XE, f.YS, f.XE, f.YE});
  consider(o.YS > f.YS, {f.XS, f.YS, f.XE, o.YS});
  consider(o.YE < f.YE, {f.XS, o.YE, f.XE, f.YE});
  return best;
}

// What one layout holds for the clipping of its free areas.
struct LayoutAreas {
  std::optional<float> usedEnd;  // YE of the roll outline
  std::vector<Rect> pieces;      // placed pieces in file order
  std::vector<Rect> accepted;    // free areas written so far, clipped, in acceptance order
};

std::map<int16_t, LayoutAreas> CollectLayouts(const AreaList& records) {
  std::map<int16_t, LayoutAreas> layouts;
  for (size_t i = 1; i < records.size(); ++i) {
    const AreaRecord& r = records[i];
    LayoutAreas& layout = layouts[r.layout];
    if (r.TYPE == kRollOutline) layout.usedEnd = r.YE;
    if (r.TYPE > 0) layout.pieces.push_back(RectOf(r));
  }
  return layouts;
}

// Step 2 of the free-area handling: cut back to the used length, then clipped by the
// obstacles in order. A part of f never overlaps an obstacle that f did not overlap, so one
// pass in order takes "the first obstacle that overlaps" every time.
std::optional<Rect> CutBackAndClip(Rect f, const LayoutAreas& layout) {
  if (layout.usedEnd && f.YE > *layout.usedEnd) {
    f.YE = *layout.usedEnd;
    if (!(f.YE > f.YS)) return std::nullopt;
  }
  for (const std::vector<Rect>* obstacles : {&layout.pieces, &layout.accepted}) {
    for (const Rect& o : *obstacles) {
      if (!Overlaps(f, o)) continue;
      const std::optional<Rect> part = LargestPartOutside(f, o);
      if (!part) return std::nullopt;
      f = *part;
    }
  }
  return f;
}

// Steps 3.1 to 3.5 of the derivation for one area: kerf removed, skipped when not positive,
// exchanged so that LENGTH >= WIDTH, scrap test on the unrounded values, rounded.
std::optional<OffcutRow> RowOf(const Rect& area, const AreaRecord& record, float kerf,
                               const ScrapLimits& limits) {
  float length = (area.YE - area.YS) - kerf;
  float width = (area.XE - area.XS) - kerf;
  if (length <= 0 || width <= 0) return std::nullopt;
  if (length < width) std::swap(length, width);
  OffcutRow row;
  row.layout = record.layout;
  row.LENGTH = RoundToThousandths(length);
  row.WIDTH = RoundToThousandths(width);
  row.QTY = record.repeat;
  row.LOCATION = IsScrap(length, width, limits) ? kScrapLocation : "";
  row.XS = area.XS;
  row.YS = area.YS;
  row.XE = area.XE;
  row.YE = area.YE;
  return row;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string NegatedQuantity(const std::string& text) {
  const float qty = LeadingSingle(text);
  return qty == 0 ? "0" : PlainNumber(-qty);
}

}  // namespace

ScrapLimits ReadScrapLimits() {
  const std::vector<std::string> fields = FirstRecordOf(kScrapFile);
  const float a = fields.size() > 0 ? LeadingSingle(fields[0]) : 0.0f;
  const float b = fields.size() > 1 ? LeadingSingle(fields[1]) : 0.0f;
  return a >= b ? ScrapLimits{a, b} : ScrapLimits{b, a};
}

bool IsScrap(float length, float width, const ScrapLimits& limits) {
  return length <= limits.length || width <= limits.width;
}

std::vector<OffcutRow> DeriveOffcuts(const AreaList& records, float kerf,
                                     const ScrapLimits& limits) {
  std::map<int16_t, LayoutAreas> layouts = CollectLayouts(records);
  std::vector<OffcutRow> rows;
  for (size_t i = 1; i < records.size(); ++i) {
    const AreaRecord& r = records[i];
    if (r.TYPE == kMarginStrip) {
      if (auto row = RowOf(RectOf(r), r, kerf, limits)) rows.push_back(*row);
    } else if (r.TYPE == kFreeArea) {
      LayoutAreas& layout = layouts[r.layout];
      const std::optional<Rect> area = CutBackAndClip(RectOf(r), layout);
      if (!area) continue;
      if (auto row = RowOf(*area, r, kerf, limits)) {
        rows.push_back(*row);
        layout.accepted.push_back(*area);
      }
    }
  }
  return rows;
}

std::string OffcutLine(const OffcutRow& row) {
  return std::to_string(row.layout) + "," + NeutralNumber(row.LENGTH) + "," +
         NeutralNumber(row.WIDTH) + "," + NeutralNumber(row.QTY) + "," + Quoted(row.LOCATION);
}

std::string OffcutText(const std::vector<OffcutRow>& rows) {
  std::string text;
  for (const OffcutRow& row : rows) text += OffcutLine(row) + "\r\n";
  return text;
}

bool WriteOffcutTable(const ResultsModel& model, std::string* error) {
  const auto rows = DeriveOffcuts(model.records, model.basic.KERF, ReadScrapLimits());
  if (WriteWholeFile(kOffcutFile, OffcutText(rows))) return true;
  if (error) *error = std::string(kOffcutFile) + ": cannot be written";
  return false;
}

bool AppendExportRecords(const Grid& offcutGrid, const std::string& mat, const std::string& grade,
                         const std::string& thick, std::string* error) {
  const std::string head = Quoted(mat) + "," + Quoted(grade) + "," + Quoted(thick) + ",";
  std::string records;
  for (int r = 1; r < offcutGrid.RowCount(); ++r) {
    records += head + Quoted(offcutGrid.Text(r, 2)) + "," + Quoted(offcutGrid.Text(r, 3)) + "," +
               Quoted(offcutGrid.Text(r, 4)) + "," + Quoted(offcutGrid.Text(r, 5)) + "\r\n";
  }
  if (const auto lines = ReadLines(SettingsFileName(kSheetsAdjFile))) {
    for (const std::string& line : *lines) {
      if (TrimBlanks(line).empty()) continue;
      std::vector<std::string> f = SplitRecordFields(line);
      f.resize(4);
      records += head + Quoted(f[0]) + "," + Quoted(f[1]) + "," + Quoted(NegatedQuantity(f[2])) +
                 "," + Quoted(f[3]) + "\r\n";
    }
  }
  // The library is replaced whole with the records added, never appended to in place.
  const std::string library = SettingsFileName(kMaterialLibraryFile);
  std::string whole;
  std::error_code ec;
  if (std::filesystem::exists(library, ec)) {
    std::ifstream in(library, std::ios::binary);
    if (in.is_open()) whole.assign(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open() || in.bad()) {
      if (error) *error = std::string(kMaterialLibraryFile) + ": cannot be read";
      return false;
    }
  }
  if (ReplaceFileSafely(library, whole + records)) return true;
  if (error) *error = std::string(kMaterialLibraryFile) + ": cannot be written";
  return false;
}

}  // namespace trimora
