// The main window's side of an optimization and of its results: the Optimize command's needs,
// and the Layouts window, which is loaded once by the View command, hidden when another child
// window becomes active, and unloaded before a run and whenever the job is replaced or its
// results are invalidated.

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "engine/optimization_run.h"
#include "libraries/density_window.h"
#include "results/layouts_window.h"
#include "results/progress_window.h"
#include "shell/base_module.h"
#include "storage/job_file.h"

namespace trimora {

std::string BaseModule::JobMaterial() { return BasicDetails().Text(1, 1); }

void BaseModule::EditDensityTable() {
  DENSITY density(services_.dialogs, services_.clipboard, this);
  density.exec();
}

// The snapshot of the job as it was run; nothing depends on its being written.
void BaseModule::SaveSnapshot(const std::string& fileName) { SaveJob(fileName, Options(), *this); }

void BaseModule::RunProgressWindow() {
  Progress progress([](RunControl& control) { return RunOptimization(control); }, this);
  progress.exec();
}

Dia* BaseModule::LayoutsWindow() const { return layouts_; }

// Loads the window on its first showing; later showings show it as it was loaded.
void BaseModule::ShowLayouts() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!layouts_) {
    auto* window = new Dia(services_.dialogs, services_.printer, state_.fileName);
    QMdiSubWindow* frame = area_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    std::string error;
    if (!window->Dia_Form_Load(&error)) {
      frame->close();
      QApplication::restoreOverrideCursor();
      services_.dialogs.ShowMessage(
          {error, "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
      return;
    }
    frame->setGeometry(area_->viewport()->rect());
    layouts_ = window;
  }
  auto* frame = static_cast<QMdiSubWindow*>(layouts_->parentWidget());
  frame->show();
  area_->setActiveSubWindow(frame);
  layouts_->cmb->setFocus();
  QApplication::restoreOverrideCursor();
}

void BaseModule::HideInactiveResultWindows(QMdiSubWindow* active) {
  if (!active || !layouts_) return;
  QWidget* frame = layouts_->parentWidget();
  if (frame != active) frame->hide();
}

// Every child window that is not a job-entry window shows results.
void BaseModule::CloseResultWindows() {
  layouts_ = nullptr;
  for (QMdiSubWindow* frame : area_->subWindowList()) {
    if (!dynamic_cast<JobEntryWindow*>(frame->widget())) frame->close();
  }
}

}  // namespace trimora
