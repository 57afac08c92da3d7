#include "grid/grid_window.h"

#include <QAction>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <utility>

#include "grid/grid_clipboard.h"
#include "grid/grid_header.h"
#include "grid/grid_input.h"
#include "grid/grid_rows.h"
#include "platform/grid_toolbar.h"
#include "platform/grid_view.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

// "Undo Typing", or "Undo" when there is nothing to undo.
QString StepCaption(const char* command, const std::string& step) {
  return step.empty() ? QString(command) : QString("%1 %2").arg(command, step.c_str());
}

}  // namespace

GridWindow::GridWindow(const std::string& caption, const std::vector<std::string_view>& tags,
                       ShellServices& services, QWidget* parent)
    : QWidget(parent),
      ServicesGridHost(services),
      caption_(caption),
      view_(new GridView(grid_, this)),
      topRow_(new QHBoxLayout),
      bottomRow_(new QHBoxLayout) {
  setWindowTitle(QString::fromLatin1(caption));
  ApplyColumnLayout(grid_, BuildGridHeader(tags));
  SetUpView();
  AddCommands();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addLayout(topRow_);
  layout->addWidget(view_);
  layout->addLayout(bottomRow_);
  ShowGrid();
}

void GridWindow::SetUpView() {
  view_->setObjectName("grid");
  QFont font("Courier New", 9);
  font.setStyleHint(QFont::TypeWriter);  // a fixed-pitch stand-in where Courier New is missing
  view_->setFont(font);
  // Rows as tall as the text: the small child windows show more of them.
  view_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
  view_->SetRowsShown(kRowsShownInLists);
  view_->SetHandler(this);
  view_->installEventFilter(this);
  view_->setContextMenuPolicy(Qt::ActionsContextMenu);
  setFocusProxy(view_);
}

void GridWindow::AddCommands() {
  undoAction_ = AddCommand("Undo", "undoAction", QKeySequence("Ctrl+Z"), [this] { Undo(); });
  redoAction_ = AddCommand("Redo", "redoAction", QKeySequence("Ctrl+Y"), [this] { Redo(); });
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  view_->addAction(separator);
  deleteRowAction_ = AddCommand("Delete Row", "deleteRowAction", QKeySequence("Ctrl+Del"),
                                [this] { DeleteRows(); });
  insertRowAction_ = AddCommand("Insert Row", "insertRowAction", QKeySequence("Ctrl+Ins"),
                                [this] { InsertRow(); });
}

GridWindow::~GridWindow() { delete view_; }

// A context menu command; its keys act while the grid has the focus.
QAction* GridWindow::AddCommand(const char* text, const char* name, const QKeySequence& keys,
                                const std::function<void()>& run) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WidgetShortcut);
  connect(action, &QAction::triggered, this, run);
  view_->addAction(action);
  return action;
}

void GridWindow::RefreshGrid() {
  undo_.Clear();
  ShowGrid();
}

int GridWindow::GridRowHeight() const { return view_->RowHeight(); }

GridUndoStack GridWindow::TakeUndoHistory() { return std::exchange(undo_, {}); }

// Typing after the handover starts a step of its own.
void GridWindow::AdoptUndoHistory(GridUndoStack history) {
  undo_ = std::move(history);
  undo_.EndTyping();
  ShowGrid();
}

void GridWindow::ShowGrid() {
  view_->Refresh();
  ShowCurrentRow();
  undoAction_->setText(StepCaption("Undo", UndoText()));
  undoAction_->setEnabled(!UndoText().empty());
  redoAction_->setText(StepCaption("Redo", RedoText()));
  redoAction_->setEnabled(!RedoText().empty());
  deleteRowAction_->setEnabled(TakesRowCommands());
  insertRowAction_->setEnabled(TakesRowCommands());
}

void GridWindow::Edit(const char* step, const std::function<void()>& change) {
  const GridSnapshot before = TakeSnapshot(grid_);
  change();
  undo_.Record(before, grid_, step);
  ShowGrid();
}

bool GridWindow::HandleKey(const KeyEvent& key) {
  bool used = false;
  Edit(IsPasteKey(key) ? kPasteStep : kTypingStep,
       [&] { used = HandleGridKey(grid_, key, rules_, *this); });
  return used;
}

void GridWindow::CellChanged() {
  undo_.EndTyping();
  ShowCurrentRow();
}

void GridWindow::DeleteRows() {
  Edit(kDeleteRowStep, [this] { DeleteGridRows(grid_, rules_, *this); });
}

void GridWindow::InsertRow() {
  Edit(kInsertRowStep, [this] { InsertGridRow(grid_, rules_, *this); });
}

void GridWindow::Undo() {
  UndoGridEdit(grid_, undo_, rules_, *this);
  ShowGrid();
}

void GridWindow::Redo() {
  RedoGridEdit(grid_, undo_, rules_, *this);
  ShowGrid();
}

void GridWindow::FocusGrid() { view_->setFocus(); }

int GridWindow::RowsPerPage() { return view_->VisibleRows(); }

void GridWindow::LoadGrid(const std::string& file, const std::string& workingCopy) {
  grid_.SetTag(file);
  LoadGridFromTableFile(grid_);
  grid_.SetTag(workingCopy);
  grid_.row = grid_.rowSel = 1;
  RefreshGrid();
}

void GridWindow::Sort(SortDirection direction) {
  Edit(kSortStep, [this, direction] { SortGrid(grid_, direction, *this); });
}

GridPrintContext GridWindow::ListingContext() {
  GridPrintContext context;
  context.caption = caption_;
  return context;
}

void GridWindow::Print() { PrintListing(grid_, ListingContext()); }

void GridWindow::PrintPreview() { PreviewListing(grid_, ListingContext()); }

void GridWindow::Copy() { CopyGridSelection(grid_, *this); }

void GridWindow::Paste() {
  Edit(kPasteStep, [this] { PasteIntoGrid(grid_, rules_, *this); });
}

void GridWindow::AddGridToolbar() {
  topRow_->insertWidget(0, MakeGridToolbar(this, {[this] { Sort(SortDirection::Ascending); },
                                                  [this] { Sort(SortDirection::Descending); },
                                                  [this] { Print(); }, [this] { PrintPreview(); },
                                                  [this] { Copy(); }, [this] { Paste(); }}));
}

QPushButton* GridWindow::AddButton(QHBoxLayout* row, const char* caption, const char* name,
                                   const std::function<void()>& run) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, run);
  row->addWidget(button);
  return button;
}

void GridWindow::SetEditRules(const GridEditRules& rules) {
  rules_ = rules;
  ShowGrid();
}

void GridWindow::SetRowsShown(int rows) { view_->SetRowsShown(rows); }

void GridWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (sized_ || !isWindow()) return;
  sized_ = true;
  resize(sizeHint().boundedTo(screen()->availableGeometry().size() * 0.9));
}

bool GridWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != view_ || (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const QKeySequence pressed(
      QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
  for (QAction* action : {undoAction_, redoAction_, deleteRowAction_, insertRowAction_}) {
    if (action->shortcut() != pressed) continue;
    event->accept();
    if (type == QEvent::KeyPress && action->isEnabled()) action->trigger();
    return true;
  }
  return false;
}

}  // namespace trimora
