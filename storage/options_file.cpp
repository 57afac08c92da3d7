#include "storage/options_file.h"

#include "storage/number_text.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {
constexpr const char* kOptionsFile = "options.tlf";
}

bool WriteOptionsFile(const OptimizeOptions& options) {
  const std::string line = std::string(options.maximumYield ? "-1" : "0") + "," +
                           (options.minimumLayouts ? "-1" : "0");
  return WriteWholeFile(kOptionsFile, JoinLines({line}));
}

OptimizeOptions ReadOptionsFile() {
  OptimizeOptions options;
  const auto lines = ReadLines(kOptionsFile);
  if (!lines || lines->empty()) return options;
  const auto fields = SplitRecordFields(lines->front());
  if (fields.size() >= 1) options.maximumYield = LeadingNumber(fields[0]) != 0;
  if (fields.size() >= 2) options.minimumLayouts = LeadingNumber(fields[1]) != 0;
  return options;
}

}  // namespace trimora
