#pragma once
// The picture box of the Layouts window: keeps the last drawing in an image the size of the
// widget and reports a click (press and release inside it) to its owner.

#include <QImage>
#include <QWidget>
#include <functional>

namespace trimora {

class LayoutPicture : public QWidget {
 public:
  explicit LayoutPicture(QWidget* parent = nullptr);

  // The image to draw on, the size of the widget (a new, white one after a resize).
  QImage& Canvas();
  const QImage& Image() const { return image_; }

  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

}  // namespace trimora
