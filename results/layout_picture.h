#pragma once
// The picture box of the Layouts window, and the square area that holds it with its scroll
// bars.

#include <QImage>
#include <QWidget>
#include <functional>

class QScrollBar;

namespace trimora {

// Keeps the last drawing in an image the size of the widget and reports a click (press and
// release inside it) and a change of size to its owner.
class LayoutPicture : public QWidget {
 public:
  explicit LayoutPicture(QWidget* parent = nullptr);

  // The image to draw on, the size of the widget (a new, white one after a resize).
  QImage& Canvas();
  const QImage& Image() const { return image_; }

  std::function<void()> onClick;
  std::function<void()> onResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
};

// The picture as a square at the top left of the room it is given, its vertical scroll bar
// directly to its right and its horizontal one under it. The side follows the room's height;
// the area never asks for more width than that square, so its layout gives what is left to
// the widgets beside it.
class LayoutPictureArea : public QWidget {
 public:
  LayoutPictureArea(LayoutPicture* picture, QScrollBar* vertical, QScrollBar* horizontal,
                    QWidget* parent = nullptr);

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The square with its scroll bars.
  QSize WithBars(int side) const;

  LayoutPicture* picture_;
  QScrollBar* vertical_;
  QScrollBar* horizontal_;
};

}  // namespace trimora
