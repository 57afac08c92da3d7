#pragma once
// Numbers as the job's text files and grids hold them.

#include <string>
#include <string_view>

namespace trimora {

// The number a cell text begins with: leading blanks skipped, an optional sign, "." as the
// decimal point, an optional exponent; whatever follows is ignored. Text that does not begin
// with a number, or a value outside the single-precision range, reads as 0.
double LeadingNumber(std::string_view text);

// The same, as the single-precision value every engine field holds.
float LeadingSingle(std::string_view text);

// Plain decimal form of a single: at most seven significant digits, no trailing zeros, no
// grouping, a leading zero kept, exponent form with "E" where seven digits cannot show it
// (1200, 12.5, 0.75, 1.234568E+07; C's "%.7G"). "." whatever the user's locale.
std::string PlainNumber(float value);

// Locale-independent number text for result files: at most seven significant digits, no
// trailing zeros, no "0" before the decimal point (.5), exponent form for large or tiny
// magnitudes (1.234568E+07).
std::string NeutralNumber(float value);

}  // namespace trimora
