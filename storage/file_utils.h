#pragma once
// File checks used everywhere. None of them reports an error.

#include <string>

namespace trimora {

// True when the file's length can be read.
bool FileExists(const std::string& name);

// True when the file does not exist or its length is 0.
bool IsFileEmpty(const std::string& name);

// Deletes every file of the working directory whose name matches the pattern ("*" any run of
// characters, "?" one character, letters matched without regard to case). A pattern with a
// folder part looks in that folder. Failures are ignored.
void DeleteFiles(const std::string& pattern);

// The wildcard match DeleteFiles uses.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// The part of a path after its last folder separator ("\\" or "/"); the whole text when it
// has none.
std::string FileNameFromPath(const std::string& path);

}  // namespace trimora
