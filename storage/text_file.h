#pragma once
// Whole-file reading and writing of the program's 8-bit text files (lines end in CR LF).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trimora {

// No file the program writes comes near this; anything larger is not one of its files.
inline constexpr std::uintmax_t kLargestTextFile = 64u << 20;

// The file's lines without their ends. A line ends at CR LF, LF or a lone CR; a last line
// without an end still counts. Empty when the file is empty; nullopt when it cannot be read,
// is not a regular file (a pipe or a device could be read forever) or exceeds kLargestTextFile.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// Lines joined, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes the whole content to path. Returns false when any byte could not be written.
bool WriteWholeFile(const std::string& path, const std::string& content);

// Replaces path only once the new content is completely on disk: it is written next to the
// target under a temporary name and renamed over it. On failure the old file is untouched,
// the temporary file is removed and error (when given) says why.
bool ReplaceFileSafely(const std::string& path, const std::string& content,
                       std::string* error = nullptr);

// Whether ReplaceFileSafely could put a file at path: its temporary file can be made there (and
// is removed again). Asked before long work whose result goes there.
bool CanReplaceFile(const std::string& path, std::string* error = nullptr);

}  // namespace trimora
