#include "libraries/product_loading.h"

#include <vector>

#include "libraries/job_assembly.h"
#include "libraries/library_file.h"
#include "libraries/product_library.h"
#include "storage/file_utils.h"
#include "storage/number_text.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

enum ProductField { kProduct, kDescription, kMat, kGrade, kThick, kLength, kWidth, kQty };
enum OrderField { kOrderProducts, kOrderQty, kOrderClient, kOrderFieldCount };

constexpr const char* kTitle = "Attention!";

struct Group {
  std::string key;
  std::string basicRecord;  // MAT, GRADE, THICK of its first piece
  std::vector<std::string> cutLines;
};

std::string QuotedRecord(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
  return line;
}

Group& GroupOf(std::vector<Group>& groups, const LibraryRecord& piece) {
  const std::string key = GroupKey(piece[kMat], piece[kGrade], piece[kThick]);
  for (Group& group : groups) {
    if (group.key == key) return group;
  }
  return groups.emplace_back(
      Group{key, QuotedRecord({piece[kMat], piece[kGrade], piece[kThick]}), {}});
}

// The pieces of each order line, grouped. plm.dat is sorted by product: the scan for a
// product ends at the first record of another product after its own.
std::vector<Group> GroupOrder(const std::vector<LibraryRecord>& order) {
  const auto library = ReadLibraryRecords(kProductLibraryFile, kProductFieldCount);
  std::vector<Group> groups;
  for (const LibraryRecord& line : order) {
    if (line[kOrderProducts].empty() || line[kOrderQty].empty()) continue;
    const float units = LeadingSingle(line[kOrderQty]);
    bool met = false;
    for (const LibraryRecord& piece : library) {
      if (piece[kProduct] != line[kOrderProducts]) {
        if (met) break;
        continue;
      }
      met = true;
      const std::string qty = PlainNumber(units * LeadingSingle(piece[kQty]));
      GroupOf(groups, piece)
          .cutLines.push_back(
              QuotedRecord({piece[kLength], piece[kWidth], qty, "", piece[kDescription],
                            piece[kProduct], line[kOrderClient]}));
    }
  }
  return groups;
}

}  // namespace

std::string GroupKey(const std::string& mat, const std::string& grade, const std::string& thick) {
  return "[MAT=" + mat + ",GRADE=" + grade + ",THICK=" + PlainNumber(LeadingSingle(thick)) + "]";
}

LoadOutcome LoadProducts(const Grid& orderGrid, const std::string& prefix,
                         const std::string& extension) {
  const auto defaults = ReadLines(kDefaultsFile);
  if (!defaults) {
    return {{"The Defaults file is missing: save a job with Save As Defaults first.", kTitle,
             MessageButtons::Ok, MessageIcon::Exclamation},
            false};
  }
  SaveGridToTableFile(orderGrid);
  DeleteFiles(prefix + "*" + extension);
  const std::vector<Group> groups =
      GroupOrder(ReadLibraryRecords(orderGrid.Tag(), kOrderFieldCount));
  if (groups.empty()) {
    return {{"Could not generate '" + extension + "' files.", kTitle, MessageButtons::Ok,
             MessageIcon::Exclamation},
            false};
  }
  for (const Group& group : groups) {
    const std::string text = AssembleJobText(*defaults, group.basicRecord, group.cutLines);
    WriteWholeFile(kAssemblyFile, text);
    ReplaceFileSafely(prefix + group.key + extension, text);
  }
  return {{std::to_string(groups.size()) + " '" + extension + "' file(s) starting from " + prefix +
               " generated.",
           kTitle, MessageButtons::Ok, MessageIcon::Information},
          true};
}

}  // namespace trimora
