#pragma once
// Column-style text documents (report.tlf, lbl.tlf, print listings): each field is padded with
// spaces to a 1-based column; a field whose column the line's text already reaches starts at
// that column of a new line instead. An empty field is not placed at all: it neither pads the
// line nor pushes anything to a new line, so no line ends in spaces. Lines end in CR LF.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trimora {

class ColumnText {
 public:
  // Places text at the 1-based column (a column below 1 counts as 1).
  void Place(int column, std::string_view text);

  // Ends the current line (it may be empty).
  void EndLine();

  // A whole line of text at column 1, ended.
  void Line(std::string_view text);

  // Ends count empty lines.
  void EmptyLines(int count);

  // Everything written so far; an unended line is not included.
  const std::string& Text() const { return text_; }

  // The 1-based byte position at which the next ended line will begin, i.e. the current
  // write position of the file when the current line is still empty.
  int64_t NextLinePosition() const { return int64_t(text_.size()) + 1; }

 private:
  std::string text_;
  std::string line_;
};

}  // namespace trimora
