// The main window's commands: one table gives each command its action, menu item and toolbar
// button. Items the program cannot carry out are shown but switched off, so they can never be
// chosen.

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <optional>
#include <vector>

#include "engine/search_effort.h"
#include "grid/grid_editing.h"
#include "shell/base_module.h"
#include "storage/saw_settings.h"

namespace trimora {

namespace {

enum class MenuId { File, Edit, Optimize, View, Tools, Help };

// In the order of MenuId.
struct Menu {
  const char* name;
  const char* title;
  bool available;
};

struct Button {
  const char* text = nullptr;  // nullptr: the command has no toolbar button
  const char* toolTip = nullptr;
  QStyle::StandardPixmap icon = {};
};

// How the menu shows a command besides its text and shortcut.
enum class MenuItem {
  Plain,
  Ticked,    // checkable, ticked at first
  Unticked,  // checkable
  Off,       // switched off: the command runs from its toolbar button only
};

struct Command {
  MenuId menu;
  const char* name = nullptr;  // the action's object name; nullptr for a separator
  const char* text = nullptr;
  QKeySequence shortcut = {};
  void (BaseModule::*handler)() = nullptr;  // nullptr: shown but switched off
  Button button = {};
  MenuItem item = MenuItem::Plain;
  QAction* BaseModule::*keep = nullptr;  // where the window keeps the action it reads later
};

QAction* MakeAction(BaseModule& window, const Command& command) {
  auto* action = new QAction(command.text, &window);
  action->setObjectName(command.name);
  action->setShortcut(command.shortcut);
  action->setEnabled(command.handler != nullptr);
  if (command.handler) QObject::connect(action, &QAction::triggered, &window, command.handler);
  action->setCheckable(command.item == MenuItem::Ticked || command.item == MenuItem::Unticked);
  action->setChecked(command.item == MenuItem::Ticked);
  if (command.keep) window.*command.keep = action;
  return action;
}

// The menus show no icons: the button's icon is for the toolbar only.
void AddButton(QToolBar& toolbar, QAction& action, const Button& button) {
  action.setIcon(toolbar.style()->standardIcon(button.icon));
  action.setIconVisibleInMenu(false);
  action.setIconText(button.text);
  action.setToolTip(button.toolTip);
  toolbar.addAction(&action);
}

void SetGridCommand(QAction* action, const char* text, GridEditing* editing,
                    std::string (GridEditing::*what)() const) {
  const std::string done = editing ? (editing->*what)() : std::string();
  action->setText(done.empty() ? text : text + (" " + QString::fromLatin1(done)));
  action->setEnabled(!done.empty());
}

}  // namespace

void BaseModule::BuildCommands() {
  const Menu menus[] = {{"menuFile", "&File", true},         {"menuEdit", "&Edit", true},
                        {"menuOptimize", "&Optimize", true}, {"menuView", "&View", true},
                        {"menuTools", "&Tools", false},      {"menuHelp", "&Help", true}};
  using enum MenuId;
  using enum MenuItem;
  using B = BaseModule;
  using S = QStyle;
  // clang-format off
  const Command commands[] = {
      {File, "actionNew", "&New", QKeySequence("Ctrl+N"), &B::NewJob,
       {"New", "New FIle", S::SP_FileIcon}},
      {File, "actionOpen", "&Open...", QKeySequence("Ctrl+O"), &B::OpenJob,
       {"Open", "Open File", S::SP_DialogOpenButton}},
      {File, "actionSave", "&Save", QKeySequence("Ctrl+S"), &B::Save,
       {"Save", "Save File", S::SP_DialogSaveButton}},
      {File, "actionSaveAs", "Save &As...", {}, &B::SaveAs},
      {File},
      {File, "actionSaveAsDefaults", "Save As Defaults", {}, &B::SaveAsDefaults},
      {File},
      {File, "actionExportDxf", "&Export Layout(s) to DXF...", {}, &B::ExportLayoutsToDxf},
      {File},
      {File, "actionExit", "E&xit", {}, &B::Exit},
      {Edit, "actionBasicDetails", "Basic Details", QKeySequence(Qt::Key_F4), &B::EditBasicDetails,
       {"Basic", "Basic Details", S::SP_FileDialogInfoView}},
      {Edit},
      {Edit, "actionRollSpecifications", "Roll Specifications", QKeySequence(Qt::Key_F2),
       &B::EditRollSpecifications, {"Sheets", "Sheet Specifications", S::SP_FileDialogListView}},
      {Edit},
      {Edit, "actionCutPieceMeasurements", "Cut-Piece Measurements", QKeySequence(Qt::Key_F3),
       &B::EditCutPieces, {"Cut-Pieces", "Cut-Piece Measurement", S::SP_FileDialogDetailedView}},
      {Edit, "actionImportCutPieces", "&Import Cut-Pieces...", {}, &B::ImportCutPieces},
      {Edit},
      {Edit, "actionBladeAndKerf", "Blade and &Kerf...", {}, &B::EditBladeAndKerf},
      {Edit},
      {Edit, "actionUndo", "Undo", QKeySequence::Undo, &B::Undo, {}, Plain, &B::undo_},
      {Edit, "actionRedo", "Redo", QKeySequence("Ctrl+Y"), &B::Redo, {}, Plain, &B::redo_},
      {Edit},
      {Edit, "actionDeleteRow", "Delete Row", QKeySequence("Ctrl+Del"), &B::DeleteRows, {}, Plain,
       &B::deleteRows_},
      {Edit, "actionInsertRow", "Insert Row", QKeySequence("Ctrl+Ins"), &B::InsertRow, {}, Plain,
       &B::insertRow_},
      {Optimize, "actionStartOptimization", "&Start Optimization", QKeySequence(Qt::Key_F5),
       &B::StartOptimization, {"Optimize", "Start Optimization", S::SP_MediaPlay}},
      {Optimize},
      {Optimize, "actionMaximumYield", "Maximum Yield", {}, nullptr, {}, Ticked, &B::maximumYield_},
      {Optimize, "actionMinimumLayouts", "Minimum Layouts", {}, nullptr, {}, Unticked,
       &B::minimumLayouts_},
      {View, "actionReport", "&Report", QKeySequence(Qt::Key_F7), &B::ShowReport,
       {"Report", "Report", S::SP_FileDialogContentsView}},
      {View},
      {View, "actionLayouts", "&Layouts", QKeySequence(Qt::Key_F8), &B::ShowLayouts,
       {"Layouts", "Layouts", S::SP_DesktopIcon}},
      {View},
      {View, "actionOffcutTable", "&Off-Cut Table", {}, &B::ShowOffcutTable,
       {"Offcuts", "Off-Cut Table", S::SP_TrashIcon}, Off},
      {Tools, "actionUnitConversionTool", "&Unit Conversion Tool", QKeySequence(Qt::Key_F9)},
      {Tools},
      {Tools, "actionDensityTable", "&Density Table"},
      {Help, "actionHelp", "&TRIMORA Help"},
      {Help, "actionAbout", "&About TRIMORA", {}, &B::ShowAbout},
  };
  // clang-format on

  std::vector<QMenu*> menuOf;
  for (const Menu& menu : menus) {
    menuOf.push_back(menuBar()->addMenu(menu.title));
    menuOf.back()->setObjectName(menu.name);
    menuOf.back()->setEnabled(menu.available);
  }
  QToolBar* toolbar = addToolBar("TB");
  toolbar->setMovable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  std::optional<MenuId> lastButtonMenu;
  for (const Command& command : commands) {
    QMenu* menu = menuOf[size_t(command.menu)];
    if (!command.name) {
      menu->addSeparator();
      continue;
    }
    QAction* action = MakeAction(*this, command);
    // Held by the window itself, the shortcuts work wherever the focus is in it.
    addAction(action);
    if (command.item == Off) {
      menu->addAction(command.text)->setEnabled(false);
    } else {
      menu->addAction(action);
    }
    if (!command.button.text) continue;
    // The toolbar keeps the menus' groups apart.
    if (lastButtonMenu && *lastButtonMenu != command.menu) toolbar->addSeparator();
    lastButtonMenu = command.menu;
    AddButton(*toolbar, *action, command.button);
  }
  connect(menuOf[size_t(Edit)], &QMenu::aboutToShow, this, &BaseModule::UpdateGridCommands);
  AddSearchEffortMenu(*menuOf[size_t(Optimize)]);
  AddThroughCutsCommand(*menuOf[size_t(Optimize)]);
}

// Optimize, Search Effort: how long Start Optimization searches, kept for the next runs.
void BaseModule::AddSearchEffortMenu(QMenu& optimize) {
  optimize.addSeparator();
  QMenu* menu = optimize.addMenu("Search &Effort");
  menu->setObjectName("menuSearchEffort");
  auto* group = new QActionGroup(menu);
  const SearchEffort current = ReadSearchEffortSetting();
  const struct {
    SearchEffort effort;
    const char* text;
  } choices[] = {{SearchEffort::kStandard, "&Standard"},
                 {SearchEffort::kThorough, "&Thorough (about 4 times as long)"},
                 {SearchEffort::kExhaustive, "&Exhaustive (about 16 times as long)"}};
  for (const auto& choice : choices) {
    QAction* action = menu->addAction(choice.text);
    action->setObjectName(QString("actionEffort_") + SearchEffortName(choice.effort));
    action->setCheckable(true);
    action->setChecked(choice.effort == current);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, effort = choice.effort] {
      if (!WriteSearchEffortSetting(effort)) {
        services_.dialogs.ShowMessage({std::string(kSearchEffortFile) + " cannot be written.",
                                       "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
      }
    });
  }
}

// Optimize, Straight through-cuts only: plans for shears and panel saws, whose every layout
// comes apart by cuts from edge to edge; kept in saw.set for the next runs.
void BaseModule::AddThroughCutsCommand(QMenu& optimize) {
  QAction* action = optimize.addAction("Straight &through-cuts only (shears, panel saws)");
  action->setObjectName("actionThroughCutsOnly");
  action->setCheckable(true);
  action->setChecked(ReadSawSettings().throughCutsOnly);
  connect(action, &QAction::toggled, this, [this](bool on) {
    SawSettings saw = ReadSawSettings();
    saw.throughCutsOnly = on;
    if (!WriteSawSettings(saw)) {
      services_.dialogs.ShowMessage({std::string(kSawSettingsFile) + " cannot be written.",
                                     "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    }
  });
}

void BaseModule::UpdateGridCommands() {
  GridEditing* editing = ActiveGridEditing();
  SetGridCommand(undo_, "Undo", editing, &GridEditing::UndoText);
  SetGridCommand(redo_, "Redo", editing, &GridEditing::RedoText);
  const bool rows = editing && editing->TakesRowCommands();
  deleteRows_->setEnabled(rows);
  insertRow_->setEnabled(rows);
}

GridEditing* BaseModule::ActiveGridEditing() const {
  const QMdiSubWindow* active = area_->activeSubWindow();
  return active ? dynamic_cast<GridEditing*>(active->widget()) : nullptr;
}

bool BaseModule::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) UpdateGridCommands();
  return QMainWindow::event(event);
}

void BaseModule::Undo() {
  if (GridEditing* editing = ActiveGridEditing()) editing->Undo();
}

void BaseModule::Redo() {
  if (GridEditing* editing = ActiveGridEditing()) editing->Redo();
}

void BaseModule::DeleteRows() {
  if (GridEditing* editing = ActiveGridEditing()) editing->DeleteRows();
}

void BaseModule::InsertRow() {
  if (GridEditing* editing = ActiveGridEditing()) editing->InsertRow();
}

}  // namespace trimora
