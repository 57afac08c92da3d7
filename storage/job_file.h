#pragma once
// The job file: basic.tlf, options.tlf, sheet.tlf, cut.tlf and dia.tlf of the working
// directory packed line for line into five sections, each "[NAME.TLF]" ... "[END]".

#include <cstdint>
#include <string>
#include <vector>

#include "storage/options_file.h"
#include "storage/text_file.h"

namespace trimora {

// Far above the largest job the engine takes (32767 lines of each table and their plan).
inline constexpr std::uintmax_t kLargestJobFile = kLargestTextFile;

// The job every new job starts from, in the working directory.
inline constexpr const char* kDefaultsFile = "Defaults";

// What the main window does around a save or a load: the job-entry windows hold the
// current rows in their grids and write them to their table files when they close.
class JobWindows {
 public:
  virtual ~JobWindows() = default;
  // Save: remember the active window, then close and reopen Sheet, Cut-Piece and Basic
  // Details so that their table files are current. Answers the table that could not be
  // written, with its window left as it was, or "" when all are current.
  virtual std::string RefreshTablesForSave() { return ""; }
  // Save: give the focus back to the window that had it.
  virtual void RestoreActiveWindow() {}
  // Load: close the job-entry and result windows (the editing ones write their tables).
  virtual void CloseForLoad() {}
  // Load: open Cut-Piece, Sheet and Basic Details again from the new tables.
  virtual void ReopenAfterLoad() {}
};

struct JobFileResult {
  bool ok = true;
  std::string error;  // why, when not ok; the caller names the file
  explicit operator bool() const { return ok; }
};

// The job tables in the order of their sections.
const std::vector<std::string>& JobSectionTables();

// Appends one section: "[" + table name in upper case + "]", every line of the table file
// (a missing file counts as empty), "[END]".
void WriteSection(const std::string& tableFile, std::string& jobText);

// Copies one section from lines[pos] on into the table file, which is created anew: the
// header line is skipped unexamined, lines are copied up to the line "[END]", or up to the
// next section's header when "[END]" is missing. A section cut off by the end of the file ends
// there. Returns false when the table cannot be written.
bool ReadSection(const std::vector<std::string>& lines, size_t& pos, const std::string& tableFile);

// The whole text SaveJob would write, from the current table files.
std::string JobText();

// Writes the current job: refreshes the tables through the windows, writes options.tlf, and
// for the name exactly "Defaults" empties sheet.tlf and cut.tlf first. The file is replaced
// only once the new content is complete: on failure the old file stays.
JobFileResult SaveJob(const std::string& fileName, const OptimizeOptions& options,
                      JobWindows& windows);

// Replaces the current job by the file's content and reads its options. A file that cannot
// be read or whose first line is not a section header is refused before any table changes.
// Missing sections become empty tables.
JobFileResult LoadJob(const std::string& fileName, JobWindows& windows, OptimizeOptions& options);

}  // namespace trimora
