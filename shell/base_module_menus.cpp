// The main window's menus and toolbar. Items the program cannot carry out are shown but
// switched off, so they can never be chosen.

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "shell/base_module.h"

namespace trimora {

namespace {

struct Item {
  const char* caption;  // nullptr for a separator
  QKeySequence shortcut = {};
  bool available = true;
};

// Fills the menu and answers its items indexed from 1; the handler gets the index.
std::vector<QAction*> FillMenu(QMenu* menu, const std::vector<Item>& items,
                               const std::function<void(int)>& handler) {
  std::vector<QAction*> actions{nullptr};
  for (const Item& item : items) {
    QAction* action = item.caption ? menu->addAction(item.caption) : menu->addSeparator();
    const int index = int(actions.size());
    action->setShortcut(item.shortcut);
    action->setEnabled(item.available);
    if (item.caption)
      QObject::connect(action, &QAction::triggered, [handler, index] { handler(index); });
    actions.push_back(action);
  }
  return actions;
}

}  // namespace

void BaseModule::BuildMenus() {
  QMenuBar* bar = menuBar();
  mnuFile_ = FillMenu(bar->addMenu("&File"),
                      {{"&New", QKeySequence("Ctrl+N")},
                       {"&Open...", QKeySequence("Ctrl+O")},
                       {"&Save", QKeySequence("Ctrl+S")},
                       {"Save &As..."},
                       {nullptr},
                       {"Save As Defaults"},
                       {nullptr},
                       {"E&xit"}},
                      [this](int i) { mnuFile_Click(i); });
  mnuEdit_ = FillMenu(bar->addMenu("&Edit"),
                      {{"Basic Details", QKeySequence(Qt::Key_F4)},
                       {nullptr},
                       {"Roll Specifications", QKeySequence(Qt::Key_F2)},
                       {nullptr},
                       {"Cut-Piece Measurements", QKeySequence(Qt::Key_F3)},
                       {nullptr},
                       {"Blade and &Kerf..."}},
                      [this](int i) { mnuEdit_Click(i); });
  mnuOptimize_ = FillMenu(bar->addMenu("&Optimize"),
                          {{"&Start Optimization", QKeySequence(Qt::Key_F5)},
                           {nullptr, {}, false},
                           {"Maximum Yield", {}, false},
                           {"Minimum Layouts", {}, false}},
                          [this](int i) { mnuOptimize_Click(i); });
  for (int i : {3, 4}) mnuOptimize_[size_t(i)]->setCheckable(true);
  mnuOptimize_[3]->setChecked(true);
  mnuView_ = FillMenu(bar->addMenu("&View"),
                      {{"&Report", QKeySequence(Qt::Key_F7)},
                       {nullptr},
                       {"&Layouts", QKeySequence(Qt::Key_F8)},
                       {nullptr, {}, false},
                       {"&Off-Cut Table", {}, false}},
                      [this](int i) { mnuView_Click(i); });
  QMenu* tools = bar->addMenu("&Tools");
  mnutools_ = FillMenu(tools,
                       {{"&Unit Conversion Tool", QKeySequence(Qt::Key_F9), false},
                        {nullptr, {}, false},
                        {"&Density Table", {}, false}},
                       [](int) {});
  tools->setEnabled(false);
  QMenu* help = bar->addMenu("&Help");
  mnuHelp_ = FillMenu(help, {{"&TRIMORA Help", {}, false}}, [](int) {});
  help->setEnabled(false);
}

void BaseModule::BuildToolbar() {
  struct Button {
    const char* key;  // nullptr for a separator
    const char* toolTip;
    QStyle::StandardPixmap icon;
  };
  const std::vector<Button> buttons{
      {"New", "New FIle", QStyle::SP_FileIcon},
      {"Open", "Open File", QStyle::SP_DialogOpenButton},
      {"Save", "Save File", QStyle::SP_DialogSaveButton},
      {nullptr, nullptr, {}},
      {"Basic", "Basic Details", QStyle::SP_FileDialogInfoView},
      {"Sheets", "Sheet Specifications", QStyle::SP_FileDialogListView},
      {"Rolls", "Roll Specifications", QStyle::SP_FileDialogListView},
      {"Cut-Pieces", "Cut-Piece Measurement", QStyle::SP_FileDialogDetailedView},
      {nullptr, nullptr, {}},
      {"Optimize", "Start Optimization", QStyle::SP_MediaPlay},
      {nullptr, nullptr, {}},
      {"Report", "Report", QStyle::SP_FileDialogContentsView},
      {"Layouts", "Layouts", QStyle::SP_DesktopIcon},
      {"Offcuts", "Off-Cut Table", QStyle::SP_TrashIcon},
  };
  QToolBar* toolbar = addToolBar("TB");
  toolbar->setMovable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  tb_ = {nullptr};
  for (const Button& button : buttons) {
    if (!button.key) {
      tb_.push_back(toolbar->addSeparator());
      continue;
    }
    const int index = int(tb_.size());
    QAction* action = toolbar->addAction(style()->standardIcon(button.icon), button.key,
                                         [this, index] { TB_ButtonClick(index); });
    action->setToolTip(button.toolTip);
    tb_.push_back(action);
  }
}

}  // namespace trimora
