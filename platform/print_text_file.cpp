#include "platform/print_text_file.h"

#include <QFontMetricsF>
#include <QPainter>
#include <vector>

#include "storage/file_utils.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

constexpr double kPointSize = 11;

// Lines printed one under the other from the top of the printable area.
class PageWriter {
 public:
  explicit PageWriter(QPainter& painter) : painter_(painter) {}

  void SetFont(bool bold) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kPointSize);
    font.setBold(bold);
    font_ = QFont(font, painter_.device());
    painter_.setFont(font_);
  }

  double LineHeight() const { return QFontMetricsF(font_, painter_.device()).height(); }
  bool Fits() const { return used_ + LineHeight() <= painter_.device()->height(); }

  void Write(const std::string& line) {
    const double ascent = QFontMetricsF(font_, painter_.device()).ascent();
    painter_.drawText(QPointF(0, used_ + ascent), QString::fromLatin1(line));
    used_ += LineHeight();
  }

  void NewPage() { used_ = 0; }

 private:
  QPainter& painter_;
  QFont font_;
  double used_ = 0;
};

}  // namespace

bool PrintTextFile(QPrinter& printer, const std::string& textFile, const std::string& headerFile) {
  const std::optional<std::vector<std::string>> lines = ReadLines(textFile);
  if (!lines) return false;
  const std::optional<std::vector<std::string>> header =
      FileExists(headerFile) ? ReadLines(headerFile) : std::nullopt;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  PageWriter page(painter);
  size_t next = 0;
  while (true) {
    if (header) {
      page.SetFont(true);
      for (const std::string& line : *header) page.Write(line);
      page.Write("");
    }
    page.SetFont(false);
    // The first line of a page goes on it even when it does not fit, so that a page too
    // small for the header and one line still moves the listing on.
    bool printedOne = false;
    while (next < lines->size() && (page.Fits() || !printedOne)) {
      page.Write((*lines)[next++]);
      printedOne = true;
    }
    if (next >= lines->size()) break;
    printer.newPage();
    page.NewPage();
  }
  return painter.end();
}

}  // namespace trimora
