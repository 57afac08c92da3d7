#include "storage/number_text.h"

#include <cfloat>
#include <charconv>
#include <cmath>

namespace trimora {

double LeadingNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // from_chars would also take "inf" and "nan"; a number must start with a digit or ".".
  if (pos >= text.size()) return 0.0;
  const char first = text[pos];
  const bool digitAfterPoint =
      first == '.' && pos + 1 < text.size() && text[pos + 1] >= '0' && text[pos + 1] <= '9';
  if (!(first >= '0' && first <= '9') && !digitAfterPoint) return 0.0;

  double value = 0.0;
  const char* begin = text.data() + pos;
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
  if (error != std::errc() || end == begin) return 0.0;
  if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX)) return 0.0;
  return negative ? -value : value;
}

float LeadingSingle(std::string_view text) { return float(LeadingNumber(text)); }

std::string PlainNumber(float value) {
  // to_chars writes as printf does in the "C" locale, whatever locale the program runs in.
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, double(value), std::chars_format::general, 7);
  std::string text(buffer, error == std::errc() ? end : buffer);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string NeutralNumber(float value) {
  std::string text = PlainNumber(value);
  // "0.5" -> ".5", "-0.25" -> "-.25"
  const size_t digitAt = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (text.size() > digitAt + 1 && text[digitAt] == '0' && text[digitAt + 1] == '.') {
    text.erase(digitAt, 1);
  }
  return text;
}

}  // namespace trimora
