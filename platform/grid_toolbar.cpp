#include "platform/grid_toolbar.h"

#include <QStyle>
#include <QToolBar>
#include <QWidget>

namespace trimora {

QToolBar* MakeGridToolbar(QWidget* parent, const std::function<void(int)>& click) {
  auto* toolbar = new QToolBar(parent);
  toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar->setIconSize(QSize(16, 16));
  const auto add = [parent, toolbar, click](QStyle::StandardPixmap icon, const char* text,
                                            int index) {
    toolbar->addAction(parent->style()->standardIcon(icon), text, [click, index] { click(index); });
  };
  add(QStyle::SP_ArrowUp, "Sort Ascending", 1);
  add(QStyle::SP_ArrowDown, "Sort Descending", 2);
  toolbar->addSeparator();
  add(QStyle::SP_FileDialogContentsView, "Print", 4);
  add(QStyle::SP_FileDialogDetailedView, "Print Preview", 8);
  toolbar->addSeparator();
  add(QStyle::SP_FileDialogNewFolder, "Copy", 6);
  add(QStyle::SP_DialogApplyButton, "Paste", 7);
  return toolbar;
}

}  // namespace trimora
