#include "results/layout_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace trimora {

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

}  // namespace trimora
