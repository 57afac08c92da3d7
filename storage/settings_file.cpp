#include "storage/settings_file.h"

#include <filesystem>

#include "storage/file_utils.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace fs = std::filesystem;

std::string SettingsFileName(const std::string& name) {
  std::error_code ec;
  if (fs::exists(name, ec)) return name;
  const fs::path path(name);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string wanted = path.filename().string();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    // WildcardMatch without wildcards is a case-insensitive comparison; names holding
    // wildcard characters are not settings files.
    if (wanted.find_first_of("*?") == std::string::npos && WildcardMatch(wanted, candidate)) {
      return path.has_parent_path() ? (folder / candidate).string() : candidate;
    }
  }
  return name;
}

std::vector<std::string> FirstRecordOf(const std::string& name) {
  const auto lines = ReadLines(SettingsFileName(name));
  if (!lines || lines->empty()) return {};
  return SplitRecordFields(lines->front());
}

}  // namespace trimora
