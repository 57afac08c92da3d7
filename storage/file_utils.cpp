#include "storage/file_utils.h"

#include <cctype>
#include <filesystem>

namespace trimora {

namespace fs = std::filesystem;

bool FileExists(const std::string& name) {
  std::error_code ec;
  if (!fs::is_regular_file(name, ec)) return false;
  [[maybe_unused]] const auto size = fs::file_size(name, ec);
  return !ec;
}

bool IsFileEmpty(const std::string& name) {
  std::error_code ec;
  const auto size = fs::file_size(name, ec);
  return ec || size == 0;
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
  auto same = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  };
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string FileNameFromPath(const std::string& path) {
  const size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

void DeleteFiles(const std::string& pattern) {
  const fs::path path(pattern);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string namePattern = path.filename().string();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code entryError;
    if (!it->is_regular_file(entryError)) continue;
    if (WildcardMatch(namePattern, it->path().filename().string())) {
      fs::remove(it->path(), entryError);
    }
  }
}

}  // namespace trimora
