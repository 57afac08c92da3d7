#include "storage/report_measure.h"

#include "storage/file_utils.h"
#include "storage/number_picture.h"
#include "storage/number_text.h"
#include "storage/settings_file.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

std::string ReadMeasureSetting() {
  const std::vector<std::string> fields = FirstRecordOf(kMeasureSettingFile);
  return fields.empty() ? std::string() : fields.front();
}

std::string MeasureLabelFor(const std::string& setting) {
  if (setting == "Weight") return "Weight";
  if (setting == "Area") return "Area(SqUnits)";
  return "";
}

std::string MeasureLabel() { return MeasureLabelFor(ReadMeasureSetting()); }

bool IsUsableDensity(double density) { return density >= 0 && density <= kMaxDensity; }

double DensityOf(const std::string& material) {
  const auto lines = ReadLines(SettingsFileName(kDensityFile));
  if (!lines) return 0;
  for (const std::string& line : *lines) {
    const std::vector<std::string> fields = SplitRecordFields(line);
    if (fields.front() != material) continue;
    const double density = fields.size() > 1 ? LeadingNumber(fields[1]) : 0;
    return IsUsableDensity(density) ? density : 0;
  }
  return 0;
}

std::string MeasureValueFor(const std::string& setting, const std::string& material,
                            float thickness, float length, float width, float quantity) {
  if (setting == "Weight") {
    const double weight =
        DensityOf(material) * double(thickness) * double(length) * double(width) * double(quantity);
    return PictureNumber(float(weight), 1, 2);
  }
  if (setting == "Area") {
    const double area = double(length) * double(width) * double(quantity);
    return PictureNumber(float(area), 5, 2);
  }
  return "";
}

std::string MeasureValue(const std::string& material, float thickness, float length, float width,
                         float quantity) {
  return MeasureValueFor(ReadMeasureSetting(), material, thickness, length, width, quantity);
}

}  // namespace trimora
