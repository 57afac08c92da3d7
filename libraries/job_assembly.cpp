#include "libraries/job_assembly.h"

namespace trimora {

std::string FieldsAfter(const std::string& line, int count) {
  size_t pos = 0;
  for (int field = 0; field < count; ++field) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos < line.size() && line[pos] == '"') {
      const size_t close = line.find('"', pos + 1);
      if (close == std::string::npos) return {};
      pos = close + 1;
    }
    pos = line.find(',', pos);
    if (pos == std::string::npos) return {};
    ++pos;
  }
  return line.substr(pos);
}

std::string AssembleJobText(const std::vector<std::string>& defaultsLines,
                            const std::string& basicRecord,
                            const std::vector<std::string>& cutLines) {
  std::string text;
  for (size_t i = 0; i < defaultsLines.size(); ++i) {
    const std::string& line = defaultsLines[i];
    text += line + "\r\n";
    if (line == "[BASIC.TLF]") {
      const bool hasRecord = i + 1 < defaultsLines.size() && defaultsLines[i + 1] != "[END]";
      if (hasRecord) {
        text += basicRecord + "," + FieldsAfter(defaultsLines[++i], 3) + "\r\n";
      } else {
        text += basicRecord + ",\"\",\"\",\"\",\"\"\r\n";
      }
    } else if (line == "[CUT.TLF]") {
      for (const std::string& cut : cutLines) text += cut + "\r\n";
    }
  }
  return text;
}

}  // namespace trimora
