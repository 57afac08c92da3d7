#pragma once
// A small boxed caption beside a grid that appears when the current row holds what it names.

#include <QLabel>

namespace trimora {

inline QLabel* MarkerLabel(const char* caption, const QString& name, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::Box);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(28);
  return label;
}

}  // namespace trimora
