#include "shell/base_module.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "shell/basic_window.h"
#include "shell/blade_kerf_dialog.h"
#include "shell/cut_window.h"
#include "shell/sheet_window.h"
#include "storage/cut_list_import.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

constexpr size_t Slot(JobWindow kind) { return size_t(kind); }

// The hidden columns of the Basic Details record.
constexpr int kBladeColumn = 4;
constexpr int kMincutColumn = 5;
constexpr int kKerfColumn = 6;

constexpr const char* kImportTitle = "Import Cut-Pieces";
constexpr const char* kCutListFilter = "CSV files|*.csv|All files|*.*";

}  // namespace

BaseModule::BaseModule(ShellServices& services, std::function<void()> onClosed, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      onClosed_(std::move(onClosed)),
      commands_(state_, services.dialogs, *this),
      area_(new QMdiArea(this)) {
  area_->setObjectName("childArea");
  setCentralWidget(area_);
  // A child window left outside a main window made smaller can still be scrolled to.
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
    HideInactiveResultWindows(active);
    UpdateGridCommands();
  });
  BuildCommands();
  UpdateGridCommands();
  // Large enough for the three job-entry windows with ten rows each, where the screen allows.
  const QSize available = screen()->availableGeometry().size();
  resize(QSize(1100, 900).boundedTo(available * 0.95));
  StartWithDefaults();
}

void BaseModule::StartWithDefaults() {
  state_.dataChanged = false;
  SetTitle(kBaseTitle);
  commands_.LoadDefaults();
  state_.importedFromLibrary = false;
}

// The values live in the hidden columns of the Basic Details record. A change of them changes
// the sizes the engine works with, so it counts as a change of sizes.
void BaseModule::EditBladeAndKerf() {
  JobEntryWindow* basic = ActivateWindow(JobWindow::Basic);
  Grid& grid = basic->grid();
  const BladeAndKerf current{grid.Text(1, kBladeColumn), grid.Text(1, kMincutColumn),
                             grid.Text(1, kKerfColumn)};
  BladeKerfDialog dialog(current, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const BladeAndKerf chosen = dialog.Values();
  if (chosen == current) return;
  InvalidateResults();
  grid.SetText(1, kBladeColumn, chosen.blade);
  grid.SetText(1, kMincutColumn, chosen.mincut);
  grid.SetText(1, kKerfColumn, chosen.kerf);
  basic->RefreshGrid();
  SetDataChanged();
}

// A file that cannot be read changes nothing. The rows are a change of sizes: the results of an
// optimized job are emptied first.
void BaseModule::ImportCutPieces() {
  DialogService& dialogs = services_.dialogs;
  const auto path = dialogs.OpenFile({kCutListFilter, "Import Cut-Pieces...", ""});
  if (!path) return;
  const CutListImport import = ImportCutList(*path);
  if (!import.error.empty()) {
    dialogs.ShowMessage({"Could not import " + *path + ": " + import.error, kImportTitle,
                         MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  JobEntryWindow* cut = ActivateWindow(JobWindow::Cut);
  if (!import.rows.empty()) {
    InvalidateResults();
    cut->ImportRows(import.rows);
    SetDataChanged();
  }
  const MessageIcon icon =
      import.refused.empty() ? MessageIcon::Information : MessageIcon::Exclamation;
  dialogs.ShowMessage({ImportSummary(import), kImportTitle, MessageButtons::Ok, icon});
}

void BaseModule::StartOptimization() { Optimize(services_.dialogs, *this); }

JobEntryWindow* BaseModule::Window(JobWindow kind) const {
  JobEntryWindow* window = windows_[Slot(kind)];
  return window && !window->IsClosed() ? window : nullptr;
}

JobEntryWindow* BaseModule::OpenWindow(JobWindow kind) {
  if (JobEntryWindow* open = Window(kind)) return open;
  JobEntryWindow* window = nullptr;
  switch (kind) {
    case JobWindow::Basic:
      window = new BASIC(*this);
      break;
    case JobWindow::Sheet:
      window = new SHEET(*this);
      break;
    case JobWindow::Cut:
      window = new CUT(*this);
      break;
  }
  QMdiSubWindow* frame = area_->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setGeometry(places_[Slot(kind)].value_or(JobWindowPlace(kind, *frame)));
  frame->show();
  windows_[Slot(kind)] = window;
  return window;
}

// The job-entry windows stack down the main window: Basic Details at the top, as high as its
// one record needs, then Sheet Specifications and Cut-Piece Measurement sharing the rest, each
// as wide as its columns need where the main window allows.
QRect BaseModule::JobWindowPlace(JobWindow kind, const QMdiSubWindow& frame) const {
  const QSize area = area_->viewport()->size();
  const QSize wanted = frame.sizeHint();
  int basic = wanted.height();
  if (const JobEntryWindow* open = Window(JobWindow::Basic)) {
    basic = open->parentWidget()->sizeHint().height();
  } else if (kind != JobWindow::Basic) {
    // As high as this window less all but one of its rows.
    const int row = static_cast<const JobEntryWindow*>(frame.widget())->GridRowHeight();
    basic = wanted.height() - (kRowsShownInLists - 1) * row;
  }
  const int lists = std::max(0, area.height() - basic);
  const int width = std::min(wanted.width(), area.width());
  switch (kind) {
    case JobWindow::Basic:
      return {0, 0, width, basic};
    case JobWindow::Sheet:
      return {0, basic, width, lists / 2};
    case JobWindow::Cut:
      break;
  }
  return {0, basic + lists / 2, width, lists - lists / 2};
}

void BaseModule::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (arranged_) return;
  arranged_ = true;
  ArrangeJobWindows();
}

void BaseModule::ArrangeJobWindows() {
  for (JobWindow kind : {JobWindow::Basic, JobWindow::Sheet, JobWindow::Cut}) {
    if (JobEntryWindow* window = Window(kind)) {
      auto* frame = static_cast<QMdiSubWindow*>(window->parentWidget());
      frame->setGeometry(JobWindowPlace(kind, *frame));
    }
  }
}

JobEntryWindow* BaseModule::ActivateWindow(JobWindow kind) {
  JobEntryWindow* window = OpenWindow(kind);
  area_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
  window->FocusGrid();
  return window;
}

// Closing writes the window's grid to its table file.
void BaseModule::CloseWindow(JobWindow kind) {
  if (JobEntryWindow* window = Window(kind)) {
    places_[Slot(kind)] = window->parentWidget()->geometry();
    window->parentWidget()->close();
  }
}

std::optional<JobWindow> BaseModule::ActiveKind() const {
  const QMdiSubWindow* active = area_->activeSubWindow();
  for (JobWindow kind : {JobWindow::Basic, JobWindow::Sheet, JobWindow::Cut}) {
    const JobEntryWindow* window = Window(kind);
    if (active && window && active->widget() == window) return kind;
  }
  return std::nullopt;
}

void BaseModule::SetTitle(const std::string& title) { setWindowTitle(QString::fromLatin1(title)); }

OptimizeOptions BaseModule::Options() const {
  return {maximumYield_->isChecked(), minimumLayouts_->isChecked()};
}

void BaseModule::SetOptions(const OptimizeOptions& options) {
  maximumYield_->setChecked(options.maximumYield);
  minimumLayouts_->setChecked(options.minimumLayouts);
}

// The windows close so that their tables are written, and open again on what was written; the
// undo history of each goes on in the window that replaces it.
// The child area outlives this part of the window: its closing child windows must not reach
// back into members already gone.
BaseModule::~BaseModule() { disconnect(area_, nullptr, this, nullptr); }

std::string BaseModule::RefreshTablesForSave() {
  activeBeforeSave_ = ActiveKind();
  // A window is reopened from its table file: never from one that failed to write, or its
  // rows would be lost.
  for (JobWindow kind : {JobWindow::Sheet, JobWindow::Cut, JobWindow::Basic}) {
    JobEntryWindow* open = Window(kind);
    if (open && !SaveGridToTableFile(open->grid())) return open->grid().Tag();
  }
  for (JobWindow kind : {JobWindow::Sheet, JobWindow::Cut, JobWindow::Basic}) {
    GridUndoStack history;
    if (JobEntryWindow* open = Window(kind)) history = open->TakeUndoHistory();
    CloseWindow(kind);
    OpenWindow(kind)->AdoptUndoHistory(std::move(history));
  }
  return "";
}

void BaseModule::RestoreActiveWindow() {
  if (activeBeforeSave_) ActivateWindow(*activeBeforeSave_);
}

void BaseModule::CloseForLoad() {
  for (JobWindow kind : {JobWindow::Sheet, JobWindow::Cut, JobWindow::Basic}) CloseWindow(kind);
  CloseResultWindows();
}

void BaseModule::ReopenAfterLoad() {
  for (JobWindow kind : {JobWindow::Cut, JobWindow::Sheet}) OpenWindow(kind);
  ActivateWindow(JobWindow::Basic);
}

void BaseModule::InvalidateResults() { ::trimora::InvalidateResults(services_.dialogs, *this); }

const Grid& BaseModule::BasicDetails() {
  if (JobEntryWindow* open = Window(JobWindow::Basic)) return open->grid();
  return OpenWindow(JobWindow::Basic)->grid();
}

void BaseModule::RestoreFocus() {
  if (QMdiSubWindow* active = area_->activeSubWindow()) {
    if (QWidget* focus = active->widget()->focusWidget()) focus->setFocus();
  }
}

void BaseModule::closeEvent(QCloseEvent* event) {
  if (commands_.AskSaveChanges() == MessageAnswer::Cancel) {
    event->ignore();
    return;
  }
  state_.importedFromLibrary = false;
  state_.fileName.clear();
  area_->closeAllSubWindows();
  event->accept();
  if (onClosed_) onClosed_();
}

}  // namespace trimora
