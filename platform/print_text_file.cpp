#include "platform/print_text_file.h"

#include <QFontMetricsF>
#include <QPainter>

#include "storage/file_utils.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

constexpr double kPointSize = 11;

// The listing font for the device the page is painted on: sized from the device's own
// resolution, so that 11 points on the page are 11 points on paper.
QFont ListingFont(const QPaintDevice& device, bool bold) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(kPointSize);
  font.setBold(bold);
  return QFont(font, &device);
}

// Lines printed one under the other from the top of each page's printable area, in the
// device's pixels throughout: line height, page height and font all come from the device.
class Listing {
 public:
  Listing(QPagedPaintDevice& device, QPainter& painter,
          const std::optional<std::vector<std::string>>& header)
      : device_(device), painter_(painter), header_(header) {
    StartPage();
  }

  void Add(const std::vector<std::string>& block) {
    if (!Fits(block.size())) NextPage();
    for (const std::string& line : block) {
      if (!Fits(1)) NextPage();
      Write(line);
      ++linesOnPage_;
    }
  }

 private:
  // The first line of a page goes on it even when it does not fit, so that a page too small
  // for the header and one line still moves the listing on.
  bool Fits(size_t lines) const {
    return linesOnPage_ == 0 || used_ + double(lines) * lineHeight_ <= device_.height();
  }

  void SetFont(bool bold) {
    const QFont font = ListingFont(device_, bold);
    const QFontMetricsF metrics(font, &device_);
    painter_.setFont(font);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
  }

  void Write(const std::string& line) {
    painter_.drawText(QPointF(0, used_ + ascent_), QString::fromLatin1(line));
    used_ += lineHeight_;
  }

  void StartPage() {
    used_ = 0;
    linesOnPage_ = 0;
    if (header_) {
      SetFont(true);
      for (const std::string& line : *header_) Write(line);
      Write("");
    }
    SetFont(false);
  }

  void NextPage() {
    device_.newPage();
    StartPage();
  }

  QPagedPaintDevice& device_;
  QPainter& painter_;
  const std::optional<std::vector<std::string>>& header_;
  double lineHeight_ = 0;
  double ascent_ = 0;
  double used_ = 0;
  size_t linesOnPage_ = 0;
};

}  // namespace

bool PrintTextBlocks(QPagedPaintDevice& device, const std::vector<std::vector<std::string>>& blocks,
                     const std::optional<std::vector<std::string>>& header) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  Listing listing(device, painter, header);
  for (const std::vector<std::string>& block : blocks) listing.Add(block);
  return painter.end();
}

bool PrintTextFile(QPagedPaintDevice& device, const std::string& textFile,
                   const std::string& headerFile) {
  const std::optional<std::vector<std::string>> lines = ReadLines(textFile);
  if (!lines) return false;
  const std::optional<std::vector<std::string>> header =
      FileExists(headerFile) ? ReadLines(headerFile) : std::nullopt;
  std::vector<std::vector<std::string>> blocks;
  for (const std::string& line : *lines) blocks.push_back({line});
  return PrintTextBlocks(device, blocks, header);
}

}  // namespace trimora
