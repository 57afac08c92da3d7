// The main window's side of an optimization and of its results: the Optimize command's needs,
// and the Layouts, Report and Off-Cut Table windows, each loaded once by the View command,
// hidden when another child window becomes active, and unloaded before a run and whenever the
// job is replaced or its results are invalidated.

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

#include "engine/optimization_run.h"
#include "libraries/density_window.h"
#include "results/layouts_window.h"
#include "results/offcut_window.h"
#include "results/progress_window.h"
#include "results/report_window.h"
#include "shell/base_module.h"
#include "storage/application_title.h"
#include "storage/file_utils.h"
#include "storage/job_file.h"
#include "storage/saw_settings.h"
#include "trimora_version.h"

namespace trimora {

namespace {

// Keeps a child window filling the main window's area as the main window is resized.
class FillArea : public QObject {
 public:
  FillArea(QMdiSubWindow& frame, QWidget& viewport) : QObject(&frame), frame_(frame) {
    viewport.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) frame_.setGeometry(static_cast<QWidget*>(watched)->rect());
    return false;
  }

 private:
  QMdiSubWindow& frame_;
};

// One title bar down and across from the corner, as the child area cascades its windows, as far
// as the area has room.
void PlaceResultWindow(QMdiSubWindow& frame) {
  const int step = frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &frame);
  const QSize room = (frame.mdiArea()->viewport()->size() - frame.size()).expandedTo({0, 0});
  frame.move(std::min(step, room.width()), std::min(step, room.height()));
}

}  // namespace

std::string BaseModule::JobMaterial() { return BasicDetails().Text(1, 1); }

void BaseModule::EditDensityTable() { DENSITY::RunModal(services_, this); }

// The snapshot of the job as it was run; nothing depends on its being written.
void BaseModule::SaveSnapshot(const std::string& fileName) { SaveJob(fileName, Options(), *this); }

bool BaseModule::RunProgressWindow() {
  const SearchEffort effort = ReadSearchEffortSetting();
  const bool throughCutsOnly = ReadSawSettings().throughCutsOnly;
  Progress progress(
      [effort, throughCutsOnly](RunControl& control) {
        return RunOptimization(control, 0, effort, throughCutsOnly);
      },
      this);
  progress.exec();
  return progress.Result().planFound && progress.Result().resultsWritten;
}

Dia* BaseModule::LayoutsWindow() const { return layouts_; }
REPORT* BaseModule::ReportWindow() const { return report_; }
OFFCUT* BaseModule::OffcutWindow() const { return offcut_; }

bool BaseModule::HasResults() {
  if (!IsFileEmpty(kLayoutResultsFile)) return true;
  services_.dialogs.ShowMessage(
      {"This file was not optimized.", "Attention!", MessageButtons::Ok, MessageIcon::Information});
  return false;
}

void BaseModule::ShowLayouts() {
  if (!HasResults()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!layouts_) {
    auto* window = new Dia(services_.dialogs, services_.printer, state_.fileName);
    QMdiSubWindow* frame = area_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    std::string error;
    if (!window->Load(&error)) {
      frame->close();
      QApplication::restoreOverrideCursor();
      services_.dialogs.ShowMessage(
          {error, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
      return;
    }
    frame->setGeometry(area_->viewport()->rect());
    new FillArea(*frame, *area_->viewport());
    layouts_ = window;
  }
  ActivateResultWindow(layouts_, layouts_);  // the window hands the focus to its selector
}

void BaseModule::ExportLayoutsToDxf() {
  ShowLayouts();
  if (layouts_) layouts_->ExportDxf();
}

void BaseModule::ShowReport() {
  if (!HasResults()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!report_) {
    auto* window = new REPORT(services_);
    std::string error;
    if (!AddResultWindow(window, window->Load(&error), error)) return;
    PlaceResultWindow(*static_cast<QMdiSubWindow*>(window->parentWidget()));
    report_ = window;
  }
  ActivateResultWindow(report_, report_);
}

void BaseModule::ShowOffcutTable() {
  if (!HasResults()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!offcut_) {
    auto* window = new OFFCUT(services_, *this);
    std::string error;
    if (!AddResultWindow(window, window->Load(&error), error)) return;
    PlaceResultWindow(*static_cast<QMdiSubWindow*>(window->parentWidget()));
    offcut_ = window;
  }
  ActivateResultWindow(offcut_, offcut_);
}

bool BaseModule::AddResultWindow(QWidget* window, bool loaded, const std::string& error) {
  if (!loaded) {
    delete window;
    QApplication::restoreOverrideCursor();
    services_.dialogs.ShowMessage(
        {error, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
  }
  QMdiSubWindow* frame = area_->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  // Large enough for all the columns and ten rows, where the main window allows.
  frame->resize(frame->sizeHint().boundedTo(area_->viewport()->size()));
  return true;
}

void BaseModule::ActivateResultWindow(QWidget* window, QWidget* focus) {
  auto* frame = static_cast<QMdiSubWindow*>(window->parentWidget());
  frame->show();
  area_->setActiveSubWindow(frame);
  focus->setFocus();
  QApplication::restoreOverrideCursor();
}

void BaseModule::HideInactiveResultWindows(QMdiSubWindow* active) {
  if (!active) return;
  for (QWidget* window : std::initializer_list<QWidget*>{layouts_, report_, offcut_}) {
    if (window && window->parentWidget() != active) window->parentWidget()->hide();
  }
}

// Every child window that is not a job-entry window shows results.
void BaseModule::CloseResultWindows() {
  layouts_ = nullptr;
  report_ = nullptr;
  offcut_ = nullptr;
  for (QMdiSubWindow* frame : area_->subWindowList()) {
    if (!dynamic_cast<JobEntryWindow*>(frame->widget())) frame->close();
  }
}

void BaseModule::ShowAbout() {
  services_.dialogs.ShowMessage({std::string(kApplicationTitle) + " " + kTrimoraVersion +
                                     "\n\nPlans how rectangular cut-pieces are cut from stock "
                                     "sheets and rolls.",
                                 "About TRIMORA", MessageButtons::Ok, MessageIcon::Information});
}

}  // namespace trimora
