#include "results/plan_export.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/cut_sequence.h"
#include "engine/layout_metrics.h"
#include "storage/file_utils.h"
#include "storage/number_picture.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

struct PlanLayout {
  int16_t number = 0;
  float repeat = 0;
  const RollRecord* roll = nullptr;
  std::optional<float> usedLength;  // of the roll outline, as the report's "Required" line
  std::vector<PlanItem> pieces;
  std::vector<PlanItem> offcuts;
  CutSequence cuts;
};

// At most `decimals` decimals, rounded as the report rounds, without trailing zeros.
std::string Number(float value, int decimals = 3) {
  std::string text = PictureNumber(value, 1, decimals);
  if (text.find('.') == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// The program keeps one Latin-1 byte per character; other software expects UTF-8.
std::string Utf8(const std::string& latin1) {
  std::string text;
  for (const unsigned char c : latin1) {
    if (c < 0x80) {
      text += char(c);
    } else {
      text += char(0xC0 | (c >> 6));
      text += char(0x80 | (c & 0x3F));
    }
  }
  return text;
}

// Layouts 1 .. N; the records of a ready model are numbered so and name their rolls and cuts.
std::vector<PlanLayout> CollectLayouts(const ResultsModel& model,
                                       const std::vector<OffcutRow>& offcuts, const Grid& cutGrid) {
  std::vector<PlanLayout> layouts(size_t(std::max<int16_t>(model.layouts, 0)));
  for (size_t i = 1; i < model.records.size(); ++i) {
    const AreaRecord& r = model.records[i];
    PlanLayout& layout = layouts[size_t(r.layout) - 1];
    if (!layout.roll) {
      layout.number = r.layout;
      layout.repeat = r.repeat;
      layout.roll = &model.rolls[size_t(r.roll)];
    }
    if (r.TYPE == kRollOutline) layout.usedLength = r.YE - r.YS;
    if (r.TYPE > 0) layout.pieces.push_back(PieceItem(r, model.cuts[size_t(r.TYPE)], cutGrid));
  }
  for (const OffcutRow& row : offcuts) {
    layouts[size_t(row.layout) - 1].offcuts.push_back(OffcutItem(row, model.basic.KERF));
  }
  for (auto& [number, sequence] : DeriveCutSequences(model.records)) {
    layouts[size_t(number) - 1].cuts = std::move(sequence);
  }
  return layouts;
}

// The records of a list in the order of their lines in the job's table.
template <typename Record>
std::vector<const Record*> ByLine(const std::vector<Record>& list) {
  std::vector<const Record*> records;
  for (size_t i = 1; i < list.size(); ++i) records.push_back(&list[i]);
  std::stable_sort(records.begin(), records.end(),
                   [](const Record* a, const Record* b) { return a->row < b->row; });
  return records;
}

// --- CSV ----------------------------------------------------------------------------------

std::string CsvText(const std::string& latin1) {
  const std::string text = Utf8(latin1);
  if (text.find_first_of(", \"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
  std::string row;
  for (size_t i = 0; i < fields.size(); ++i) row += (i > 0 ? "," : "") + fields[i];
  return row + "\n";
}

std::string CsvItemRow(const PlanLayout& layout, const PlanItem& item) {
  const RollRecord& roll = *layout.roll;
  std::vector<std::string> fields = {item.cut ? "piece" : "offcut",
                                     std::to_string(layout.number),
                                     Number(layout.repeat),
                                     std::to_string(roll.row),
                                     Number(roll.LENGTH),
                                     Number(roll.WIDTH),
                                     CsvText(roll.LOCATION),
                                     Number(item.x),
                                     Number(item.y),
                                     Number(item.length),
                                     Number(item.width)};
  if (item.cut) {
    fields.insert(fields.end(), {item.rotated ? "1" : "0", std::to_string(item.cut->row),
                                 CsvText(item.cut->DESCRIPTION), CsvText(item.cut->PARTY),
                                 CsvText(item.cut->SITE), ""});
  } else {
    fields.insert(fields.end(), {"", "", "", "", "", item.scrap ? "1" : "0"});
  }
  return CsvRow(fields);
}

// A cut as a line from (x, y) to (x + width, y + length): one of the two extents is 0.
std::string CsvCutRow(const PlanLayout& layout, const SawCut& cut) {
  const RollRecord& roll = *layout.roll;
  const bool across = cut.axis == 'Y';
  const double x = across ? cut.from : cut.position, y = across ? cut.position : cut.from;
  const double extent = cut.to - cut.from;
  return CsvRow({"cut", std::to_string(layout.number), Number(layout.repeat),
                 std::to_string(roll.row), Number(roll.LENGTH), Number(roll.WIDTH),
                 CsvText(roll.LOCATION), CutNumber(x), CutNumber(y), CutNumber(across ? 0 : extent),
                 CutNumber(across ? extent : 0), "", "", "", "", "", ""});
}

// --- JSON ---------------------------------------------------------------------------------

using JsonFields = std::vector<std::pair<const char*, std::string>>;  // name, value as JSON

std::string JsonText(const std::string& latin1) {
  static const char kHex[] = "0123456789abcdef";
  std::string text = "\"";
  for (const char c : Utf8(latin1)) {
    const unsigned char u = c;
    if (c == '"' || c == '\\') {
      text += '\\';
      text += c;
    } else if (u < 0x20) {
      text += std::string("\\u00") + kHex[u >> 4] + kHex[u & 0xF];
    } else {
      text += c;
    }
  }
  return text + "\"";
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

std::string JsonObject(const JsonFields& fields) {
  std::string text = "{";
  for (const auto& [name, value] : fields) {
    text += (text.size() > 1 ? ", \"" : "\"") + std::string(name) + "\": " + value;
  }
  return text + "}";
}

// One item a line, indented by `indent` spaces, the closing bracket two spaces less.
std::string JsonArray(const std::vector<std::string>& items, int indent) {
  if (items.empty()) return "[]";
  const std::string margin(size_t(indent), ' ');
  std::string text = "[";
  for (const std::string& item : items) text += (text.size() > 1 ? ",\n" : "\n") + margin + item;
  return text + "\n" + margin.substr(2) + "]";
}

std::string StockJson(const RollRecord& roll) {
  const JsonFields margins = {{"left", Number(roll.ML)},
                              {"top", Number(roll.MT)},
                              {"right", Number(roll.MR)},
                              {"bottom", Number(roll.MB)}};
  return JsonObject({{"line", std::to_string(roll.row)},
                     {"length", Number(roll.LENGTH)},
                     {"width", Number(roll.WIDTH)},
                     {"quantity", roll.QTY == kUnlimitedQty ? "null" : Number(roll.QTY)},
                     {"margins", JsonObject(margins)},
                     {"location", JsonText(roll.LOCATION)}});
}

std::string DemandJson(const CutRecord& cut, const Grid& cutGrid) {
  const bool shorterFirst = TypedShorterFirst(cutGrid, cut);
  return JsonObject({{"line", std::to_string(cut.row)},
                     {"length", Number(shorterFirst ? cut.WIDTH : cut.LENGTH)},
                     {"width", Number(shorterFirst ? cut.LENGTH : cut.WIDTH)},
                     {"quantity", Number(cut.QTY)},
                     {"orientation", Number(cut.ORN)},
                     {"description", JsonText(cut.DESCRIPTION)},
                     {"party", JsonText(cut.PARTY)},
                     {"site", JsonText(cut.SITE)}});
}

std::string ItemJson(const PlanItem& item) {
  JsonFields fields = {{"x", Number(item.x)},
                       {"y", Number(item.y)},
                       {"length", Number(item.length)},
                       {"width", Number(item.width)}};
  if (item.cut) {
    fields.insert(fields.end(), {{"rotated", JsonBool(item.rotated)},
                                 {"cut_line", std::to_string(item.cut->row)},
                                 {"description", JsonText(item.cut->DESCRIPTION)},
                                 {"party", JsonText(item.cut->PARTY)},
                                 {"site", JsonText(item.cut->SITE)}});
  } else {
    fields.emplace_back("scrap", JsonBool(item.scrap));
  }
  return JsonObject(fields);
}

std::string CutJson(const SawCut& cut, int step) {
  return JsonObject({{"step", std::to_string(step)},
                     {"axis", std::string("\"") + cut.axis + "\""},
                     {"position", CutNumber(cut.position)},
                     {"from", CutNumber(cut.from)},
                     {"to", CutNumber(cut.to)},
                     {"stage", std::to_string(cut.stage)}});
}

std::string LayoutJson(const PlanLayout& layout) {
  std::vector<std::string> pieces, offcuts, cuts;
  for (const PlanItem& item : layout.pieces) pieces.push_back(ItemJson(item));
  for (const PlanItem& item : layout.offcuts) offcuts.push_back(ItemJson(item));
  for (const SawCut& cut : layout.cuts.cuts) cuts.push_back(CutJson(cut, int(cuts.size()) + 1));
  const CutSequence& sequence = layout.cuts;
  const RollRecord& roll = *layout.roll;
  return JsonObject({{"number", std::to_string(layout.number)},
                     {"repeat", Number(layout.repeat)},
                     {"stock_line", std::to_string(roll.row)},
                     {"stock_length", Number(roll.LENGTH)},
                     {"stock_width", Number(roll.WIDTH)},
                     {"stock_location", JsonText(roll.LOCATION)},
                     {"used_length", layout.usedLength ? Number(*layout.usedLength) : "null"},
                     {"pieces", JsonArray(pieces, 8)},
                     {"offcuts", JsonArray(offcuts, 8)},
                     {"separable", JsonBool(sequence.separable)},
                     {"cut_count", std::to_string(sequence.cuts.size())},
                     {"cut_length", sequence.separable ? CutNumber(sequence.Length()) : "null"},
                     {"stages", sequence.separable ? std::to_string(sequence.stages) : "null"},
                     {"cuts", JsonArray(cuts, 8)}});
}

// The figures the progress window and the command line show for the plan, and the pieces the
// report's cut-piece summary counts.
std::string TotalsJson(const ResultsModel& model) {
  const SolutionMeasures measures = SolutionMetrics(model.records);
  float placed = 0;
  for (size_t i = 1; i < model.records.size(); ++i) {
    if (model.records[i].TYPE > 0) placed = placed + model.records[i].repeat;
  }
  return JsonObject({{"layouts", std::to_string(measures.layouts)},
                     {"stock_area", Number(TotalStockArea(model.records), 2)},
                     {"pieces_placed", Number(placed)},
                     {"yield", Number(measures.yield, 6)}});
}

}  // namespace

bool TypedShorterFirst(const Grid& cutGrid, const CutRecord& cut) {
  return LeadingSingle(cutGrid.Text(cut.row, 1)) < LeadingSingle(cutGrid.Text(cut.row, 2));
}

PlanItem PieceItem(const AreaRecord& r, const CutRecord& cut, const Grid& cutGrid) {
  const bool lengthwise = r.orientation == kLengthwise;
  PlanItem item;
  item.x = r.XS;
  item.y = r.YS;
  item.length = lengthwise ? cut.LENGTH : cut.WIDTH;
  item.width = lengthwise ? cut.WIDTH : cut.LENGTH;
  item.cut = &cut;
  item.rotated = lengthwise == TypedShorterFirst(cutGrid, cut);
  return item;
}

PlanItem OffcutItem(const OffcutRow& row, float kerf) {
  const bool exchanged = (row.YE - row.YS) - kerf < (row.XE - row.XS) - kerf;
  PlanItem item;
  item.x = row.XS;
  item.y = row.YS;
  item.length = exchanged ? row.WIDTH : row.LENGTH;
  item.width = exchanged ? row.LENGTH : row.WIDTH;
  item.scrap = row.LOCATION == kScrapLocation;
  return item;
}

std::string PlanExportCsv(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                          const Grid& cutGrid) {
  std::string text = CsvRow({"kind", "layout", "repeat", "stock_line", "stock_length",
                             "stock_width", "stock_location", "x", "y", "length", "width",
                             "rotated", "cut_line", "description", "party", "site", "scrap"});
  for (const PlanLayout& layout : CollectLayouts(model, offcuts, cutGrid)) {
    for (const PlanItem& item : layout.pieces) text += CsvItemRow(layout, item);
    for (const PlanItem& item : layout.offcuts) text += CsvItemRow(layout, item);
    for (const SawCut& cut : layout.cuts.cuts) text += CsvCutRow(layout, cut);
  }
  return text;
}

std::string PlanExportJson(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                           const Grid& cutGrid) {
  std::vector<std::string> stock, demand, layouts;
  for (const RollRecord* roll : ByLine(model.rolls)) stock.push_back(StockJson(*roll));
  for (const CutRecord* cut : ByLine(model.cuts)) demand.push_back(DemandJson(*cut, cutGrid));
  for (const PlanLayout& layout : CollectLayouts(model, offcuts, cutGrid)) {
    layouts.push_back(LayoutJson(layout));
  }
  const JsonFields document = {{"job", JsonText(FileNameFromPath(model.jobFileName))},
                               {"units", "\"mm\""},
                               {"stock", JsonArray(stock, 4)},
                               {"demand", JsonArray(demand, 4)},
                               {"layouts", JsonArray(layouts, 4)},
                               {"totals", TotalsJson(model)}};
  std::string text = "{";
  for (const auto& [name, value] : document) {
    text += (text.size() > 1 ? ",\n  \"" : "\n  \"") + std::string(name) + "\": " + value;
  }
  return text + "\n}\n";
}

}  // namespace trimora
