#pragma once
// The file dialogs' filter text and the extension a saved name receives. A filter is a list
// of description|pattern pairs joined by "|", for example "*.trm|*.trm" or
// "Jobs|*.trm|All files|*.*"; a pattern may hold several globs separated by ";".

#include <string>
#include <vector>

namespace trimora {

struct FileFilterEntry {
  std::string description;
  std::string pattern;
  friend bool operator==(const FileFilterEntry&, const FileFilterEntry&) = default;
};

// The filter's pairs; a description without a pattern uses the description as its pattern.
std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

// The extension of the filter's first pattern when that names exactly one ("trm" for
// "*.trm"); "" for wildcards such as "*.*" or "*" and for an empty filter.
std::string DefaultExtension(const std::string& filter);

// The path with "." and the extension added when its file name has no extension of its own
// and the extension is not "".
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace trimora
