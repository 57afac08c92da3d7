#pragma once
// Prints text as a listing: page after page of its lines in Courier New 11 point, each page
// headed by the lines of a header when there is one. Lines come in blocks that a page break
// does not split.

#include <QPagedPaintDevice>
#include <optional>
#include <string>
#include <vector>

namespace trimora {

// Prints the blocks one under the other on the device as it is set up (the print dialog's
// printer, or a PDF writer), each page headed by the header lines in bold and an empty line.
// A block that does not fit on what is left of a page starts the next page; one longer than a
// page runs on over as many pages as it needs. Answers false when the device cannot start.
bool PrintTextBlocks(QPagedPaintDevice& device, const std::vector<std::vector<std::string>>& blocks,
                     const std::optional<std::vector<std::string>>& header = std::nullopt);

// Prints the text file line by line, headed by the lines of the header file when that file
// exists. Answers false when the text file cannot be read or the device cannot start; nothing
// is printed then.
bool PrintTextFile(QPagedPaintDevice& device, const std::string& textFile,
                   const std::string& headerFile);

}  // namespace trimora
