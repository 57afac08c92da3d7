#include "results/layout_picture.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace trimora {

namespace {

// The picture keeps at least this side however wide the widgets beside it are.
constexpr int kLeastSide = 240;

}  // namespace

LayoutPicture::LayoutPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& LayoutPicture::Canvas() {
  const QSize wanted = size().expandedTo(QSize(1, 1));
  if (image_.size() != wanted) {
    image_ = QImage(wanted, QImage::Format_RGB32);
    image_.fill(Qt::white);
  }
  return image_;
}

void LayoutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.drawImage(0, 0, image_);
}

// Only a whole click counts; pressing the button alone does nothing.
void LayoutPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
    onClick();
}

void LayoutPicture::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResize) onResize();
}

LayoutPictureArea::LayoutPictureArea(LayoutPicture* picture, QScrollBar* vertical,
                                     QScrollBar* horizontal, QWidget* parent)
    : QWidget(parent), picture_(picture), vertical_(vertical), horizontal_(horizontal) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(picture_, 0, 0);
  grid->addWidget(vertical_, 0, 1);
  grid->addWidget(horizontal_, 1, 0);
  // Whatever room the square leaves stays empty, below and to the right.
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(2, 1);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize LayoutPictureArea::WithBars(int side) const {
  return {side + vertical_->sizeHint().width(), side + horizontal_->sizeHint().height()};
}

// The picture's own fixed size is left out: the area may shrink below it, and the picture
// follows in resizeEvent.
QSize LayoutPictureArea::minimumSizeHint() const { return WithBars(kLeastSide); }

QSize LayoutPictureArea::sizeHint() const { return WithBars(2 * kLeastSide); }

void LayoutPictureArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize bars = WithBars(0);
  const int side = std::max(0, std::min(width() - bars.width(), height() - bars.height()));
  picture_->setFixedSize(side, side);
  setMaximumWidth(std::max(minimumSizeHint().width(), height() - bars.height() + bars.width()));
}

}  // namespace trimora
