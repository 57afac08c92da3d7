#pragma once
// Numbers in the column-style documents (report.tlf, lbl.tlf, print listings) and the fixed
// pictures of the report measure and the off-cut table. "." is always the decimal point.

#include <string>

#include "storage/number_text.h"  // PlainNumber

namespace trimora {

// The value formatted with a picture of integerDigits zeros, a point and decimals zeros
// ("0.00" is (1, 2), "00000.00" is (5, 2), "0.000" is (1, 3)): at least integerDigits integer
// digits, exactly decimals decimals, the exact value of the single rounded half away from zero.
std::string PictureNumber(float value, int integerDigits, int decimals);

// Thousandths rounding: the value formatted with the picture "0.000", cut to its
// first 7 characters when longer, and read back as a number. 12.34567 gives 12.346,
// 1250.12345 gives 1250.12 and 12345.678 gives 12345.6.
float RoundToThousandths(float value);

}  // namespace trimora
