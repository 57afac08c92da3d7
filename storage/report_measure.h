#pragma once
// The report measure (misc.set: "Weight", "Area" or nothing) and the density table
// (density.dat: MAT, DENSITY per record), both read from the working directory afresh at
// every call, and the measure of one size as the report and grid printing show it.

#include <string>

namespace trimora {

inline constexpr const char* kMeasureSettingFile = "misc.set";
inline constexpr const char* kDensityFile = "density.dat";

// The first field of misc.set, or "" when misc.set does not exist.
std::string ReadMeasureSetting();

// "Weight" for the setting "Weight", "Area(SqUnits)" for "Area", otherwise "".
std::string MeasureLabel();
std::string MeasureLabelFor(const std::string& setting);

// The densities a weight can be computed from: from 0 to 1,000,000, which covers every
// material in any unit of mass per cubic unit of length and keeps weights within range.
inline constexpr double kMaxDensity = 1e6;
inline constexpr const char* kDensityOutOfRangeMessage =
    "A density must be a number from 0 to 1000000.";
bool IsUsableDensity(double density);

// DENSITY of the first record of density.dat whose MAT equals material exactly (case
// sensitive); 0 when there is none, density.dat is missing, or the density is not usable (the
// material then counts as not listed, and the Optimize command offers the Density Table).
double DensityOf(const std::string& material);

// "Weight": DensityOf(material) x thickness x length x width x quantity, picture "0.00";
// "Area": length x width x quantity, picture "00000.00"; otherwise "". Computed in double
// precision and held as a single before it is formatted.
std::string MeasureValue(const std::string& material, float thickness, float length, float width,
                         float quantity);
// The same for a setting already read.
std::string MeasureValueFor(const std::string& setting, const std::string& material,
                            float thickness, float length, float width, float quantity);

}  // namespace trimora
