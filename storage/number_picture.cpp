#include "storage/number_picture.h"

#include <cmath>
#include <charconv>

#include "storage/number_text.h"

namespace trimora {

std::string PictureNumber(float value, int integerDigits, int decimals) {
  if (!std::isfinite(value)) return PlainNumber(value);
  // A single times a power of ten up to 10^6 is exact in double precision, so std::round
  // rounds the single's exact value half away from zero.
  const double scaled = std::round(std::fabs(double(value)) * std::pow(10.0, decimals));
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, scaled, std::chars_format::fixed, 0);
  const std::string digits(buffer, error == std::errc() ? end : buffer);
  const size_t fraction = size_t(decimals < 0 ? 0 : decimals);
  const size_t wanted = size_t(integerDigits < 1 ? 1 : integerDigits) + fraction;
  std::string padded(digits.size() < wanted ? wanted - digits.size() : 0, '0');
  padded += digits;
  std::string text;
  if (value < 0 && scaled != 0) text += '-';
  text.append(padded, 0, padded.size() - fraction);
  if (fraction > 0) {
    text += '.';
    text.append(padded, padded.size() - fraction, fraction);
  }
  return text;
}

float RoundToThousandths(float value) {
  std::string text = PictureNumber(value, 1, 3);
  if (text.size() > 7) text.resize(7);
  return LeadingSingle(text);
}

}  // namespace trimora
