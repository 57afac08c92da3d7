#pragma once
// Plain-text tables for the command line: columns padded to their widest cell.

#include <ostream>
#include <string>
#include <vector>

namespace trimora {

class TextTable {
 public:
  // rightAligned[c] right-aligns column c (numbers); the others are left-aligned.
  TextTable(std::vector<std::string> headings, std::vector<bool> rightAligned);
  void AddRow(std::vector<std::string> cells);
  void Print(std::ostream& out, const std::string& indent) const;

 private:
  std::vector<std::string> headings_;
  std::vector<bool> rightAligned_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace trimora
