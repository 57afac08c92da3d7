#pragma once
// Prints a text file as a listing: page after page of its lines in Courier New, each page
// headed by the lines of a header file when that file exists.

#include <QPrinter>
#include <string>

namespace trimora {

// Prints on the printer as it is set up (the print dialog's printer, or a PDF file). Answers
// false when the text file cannot be read or the printer cannot start; nothing is printed then.
bool PrintTextFile(QPrinter& printer, const std::string& textFile, const std::string& headerFile);

}  // namespace trimora
