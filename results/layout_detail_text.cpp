#include "results/layout_detail_text.h"

#include <fstream>

#include "results/report.h"
#include "storage/column_text.h"
#include "storage/date_text.h"
#include "storage/file_utils.h"
#include "storage/number_picture.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

// The basic details as the report shows them, after an empty line. A long material pushes
// the grade onto a line of its own, as in the report.
std::vector<std::string> BasicDetailsLines(const BasicDetails& basic) {
  ColumnText out;
  out.EmptyLines(1);
  out.Line("Basic Details");
  out.Place(1, "Mat=" + basic.MAT);
  out.Place(20, "Grade=" + basic.GRADE);
  out.Place(40, "Thk=" + PlainNumber(basic.THICK));
  out.EndLine();
  out.Line("Note: " + basic.NOTE);
  std::vector<std::string> lines;
  const std::string& text = out.Text();
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

}  // namespace

std::vector<std::string> WriteDetailText(const ResultsModel& model, int n) {
  std::vector<std::string> lines;
  std::ifstream report(kReportFile, std::ios::binary);
  const int64_t position =
      size_t(n) < model.sectionPosition.size() ? model.sectionPosition[size_t(n)] : 0;
  // A layout without a section (position 0) fails the seek and copies nothing from the report.
  report.seekg(std::streamoff(position - 1));
  std::string line;
  if (ReadLine(report, line)) lines.push_back(line);
  if (model.settings.basicDetailsList) {
    for (std::string& basicLine : BasicDetailsLines(model.basic)) lines.push_back(basicLine);
  }
  while (ReadLine(report, line) && !line.starts_with('*')) lines.push_back(line);
  WriteWholeFile(kDetailTextFile, JoinLines(lines));
  return lines;
}

std::string TodayDayMonthYear() { return TodayText("%d/%m/%Y"); }

void PrintDetailText(DrawingSurface& surface, float usedLength,
                     const std::vector<std::string>& lines, const std::string& jobFileName,
                     const std::string& date) {
  surface.SetFont("Courier New", 9);
  const float lineHeight = surface.TextHeight("A");
  float y = usedLength + 20;
  // Before each item: when the text position has left the band, go on at the top of a new page.
  auto makeRoom = [&] {
    UserScale scale = surface.Scale();
    if (y <= scale.top + scale.height - lineHeight) return;
    surface.NewPage();
    scale.top = scale.top + scale.height;
    surface.SetScale(scale);
    y = scale.top;
  };
  auto print = [&](const std::string& text) {
    if (!text.empty()) surface.Text(0, y, text);
    y = y + lineHeight;
  };
  if (!jobFileName.empty()) {
    makeRoom();
    print("");
    print("");
    print("File: " + FileNameFromPath(jobFileName));
  }
  makeRoom();
  print("Date: " + date);
  makeRoom();
  print("");
  for (const std::string& line : lines) {
    makeRoom();
    print(line);
  }
}

}  // namespace trimora
