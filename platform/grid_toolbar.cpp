#include "platform/grid_toolbar.h"

#include <QIcon>
#include <QStyle>
#include <QToolBar>
#include <QWidget>

namespace trimora {

namespace {

// The desktop theme's icon, or the program's own where the theme has none.
QIcon ThemeIcon(const char* name) {
  return QIcon::fromTheme(name, QIcon(QString(":/icons/%1.svg").arg(name)));
}

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback, const QWidget* widget) {
  return QIcon::fromTheme(name, widget->style()->standardIcon(fallback));
}

}  // namespace

QToolBar* MakeGridToolbar(QWidget* parent, const std::function<void(int)>& click) {
  auto* toolbar = new QToolBar(parent);
  toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar->setIconSize(QSize(16, 16));
  const auto add = [toolbar, click](const QIcon& icon, const char* text, int index) {
    toolbar->addAction(icon, text, [click, index] { click(index); });
  };
  add(ThemeIcon("view-sort-ascending", QStyle::SP_ArrowUp, parent), "Sort Ascending", 1);
  add(ThemeIcon("view-sort-descending", QStyle::SP_ArrowDown, parent), "Sort Descending", 2);
  toolbar->addSeparator();
  add(ThemeIcon("document-print"), "Print", 4);
  add(ThemeIcon("document-print-preview"), "Print Preview", 8);
  toolbar->addSeparator();
  add(ThemeIcon("edit-copy"), "Copy", 6);
  add(ThemeIcon("edit-paste"), "Paste", 7);
  return toolbar;
}

}  // namespace trimora
