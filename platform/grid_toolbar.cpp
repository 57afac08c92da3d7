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

QToolBar* MakeGridToolbar(QWidget* parent, const GridToolbarCommands& commands) {
  auto* toolbar = new QToolBar(parent);
  toolbar->setObjectName("gridToolbar");
  toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar->setIconSize(QSize(16, 16));
  const auto add = [toolbar](const QIcon& icon, const char* text, const char* name,
                             const std::function<void()>& command) {
    toolbar->addAction(icon, text, command)->setObjectName(name);
  };
  add(ThemeIcon("view-sort-ascending", QStyle::SP_ArrowUp, parent), "Sort Ascending",
      "sortAscendingAction", commands.sortAscending);
  add(ThemeIcon("view-sort-descending", QStyle::SP_ArrowDown, parent), "Sort Descending",
      "sortDescendingAction", commands.sortDescending);
  toolbar->addSeparator();
  add(ThemeIcon("document-print"), "Print", "printAction", commands.print);
  add(ThemeIcon("document-print-preview"), "Print Preview", "printPreviewAction",
      commands.printPreview);
  toolbar->addSeparator();
  add(ThemeIcon("edit-copy"), "Copy", "copyAction", commands.copy);
  add(ThemeIcon("edit-paste"), "Paste", "pasteAction", commands.paste);
  return toolbar;
}

}  // namespace trimora
