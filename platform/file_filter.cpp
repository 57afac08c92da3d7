#include "platform/file_filter.h"

namespace trimora {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos;
       at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<FileFilterEntry> entries;
  if (filter.empty()) return entries;
  const std::vector<std::string> parts = Split(filter, '|');
  for (size_t i = 0; i < parts.size(); i += 2) {
    const std::string& pattern = i + 1 < parts.size() ? parts[i + 1] : parts[i];
    entries.push_back({parts[i], pattern});
  }
  return entries;
}

std::string DefaultExtension(const std::string& filter) {
  const std::vector<FileFilterEntry> entries = ParseFileFilter(filter);
  if (entries.empty()) return "";
  const std::string& pattern = entries.front().pattern;
  if (pattern.rfind("*.", 0) != 0) return "";
  const std::string extension = pattern.substr(2);
  if (extension.empty() || extension.find_first_of("*?;.") != std::string::npos) return "";
  return extension;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
  if (extension.empty()) return path;
  const size_t nameStart = path.find_last_of("/\\") + 1;  // npos + 1 is 0
  if (path.find('.', nameStart) != std::string::npos) return path;
  return path + "." + extension;
}

}  // namespace trimora
