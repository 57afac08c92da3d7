#pragma once
// The main window: a frame holding the job-entry windows and the Layouts window as child
// windows (in the area named "childArea"), with the File, Edit, Optimize, View, Tools and Help
// menus and the toolbar. It owns the current job's flags and file name.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

#include "results/offcut_window.h"
#include "shell/change_guard.h"
#include "shell/file_commands.h"
#include "shell/job_entry_window.h"
#include "shell/job_window_host.h"
#include "shell/optimize_command.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;

class QMenu;

namespace trimora {

class Dia;
class GridEditing;
class REPORT;

enum class JobWindow { Basic, Sheet, Cut };

class BaseModule : public QMainWindow,
                   public FileCommandHost,
                   public JobWindowHost,
                   public ChangeGuardHost,
                   public OptimizeHost,
                   public OffcutHost {
 public:
  // onClosed runs once the window has closed (after the save question allowed it).
  BaseModule(ShellServices& services, std::function<void()> onClosed, QWidget* parent = nullptr);
  ~BaseModule() override;

  // The commands of the menus and the toolbar.
  void NewJob() { commands_.New(); }
  void OpenJob() { commands_.Open(); }
  void OpenJobFile(const std::string& path) { commands_.OpenFile(path); }
  void Save() { commands_.Save(); }
  void SaveAsDefaults() { commands_.SaveAsDefaults(); }
  void Exit() { close(); }
  void EditBasicDetails() { ActivateWindow(JobWindow::Basic); }
  void EditRollSpecifications() { ActivateWindow(JobWindow::Sheet); }
  void EditCutPieces() { ActivateWindow(JobWindow::Cut); }
  // Appends the rows of a CSV cut list to the Cut-Piece Measurement grid, then tells how many
  // were taken and which were refused, and why.
  void ImportCutPieces();
  void StartOptimization();
  // The View commands load their window on its first showing; later showings show it as it
  // was loaded. A job not yet optimized has nothing to show: the user is told.
  void ShowReport();
  void ShowLayouts();
  // Opens the Layouts window and exports its layouts as DXF drawings from there.
  void ExportLayoutsToDxf();
  void ShowOffcutTable();
  // Help, About: the program's name, version and purpose.
  void ShowAbout();
  // The Edit menu's grid commands act on the active child window when it is a grid window.
  void Undo();
  void Redo();
  void DeleteRows();
  void InsertRow();

  // The window when it is open, otherwise nullptr.
  JobEntryWindow* Window(JobWindow kind) const;
  // Opens the window when it is not open and makes it the active one.
  JobEntryWindow* ActivateWindow(JobWindow kind);

  const JobState& State() const { return state_; }
  // The result windows while they are loaded (shown or hidden), otherwise nullptr.
  Dia* LayoutsWindow() const;
  REPORT* ReportWindow() const;
  OFFCUT* OffcutWindow() const;

  // FileCommandHost
  void SetTitle(const std::string& title) override;
  OptimizeOptions Options() const override;
  void SetOptions(const OptimizeOptions& options) override;
  void ViewLayouts() override { ShowLayouts(); }
  std::string RefreshTablesForSave() override;
  void RestoreActiveWindow() override;
  void CloseForLoad() override;
  void ReopenAfterLoad() override;

  // JobWindowHost
  ShellServices& Services() override { return services_; }
  void SetDataChanged() override { state_.dataChanged = true; }
  void SetImportedFromLibrary() override { state_.importedFromLibrary = true; }
  void InvalidateResults() override;
  const std::string& JobFileName() const override { return state_.fileName; }
  const Grid& BasicDetails() override;
  void EditBladeAndKerf() override;

  // ChangeGuardHost
  void CloseResultWindows() override;
  void RestoreFocus() override;

  // OptimizeHost
  std::string JobMaterial() override;
  void EditDensityTable() override;
  void SaveSnapshot(const std::string& fileName) override;
  bool RunProgressWindow() override;
  void SaveAs() override { commands_.SaveAs(); }

  // OffcutHost
  bool ImportedFromLibrary() const override { return state_.importedFromLibrary; }
  void ClearImportedFromLibrary() override { state_.importedFromLibrary = false; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The job-entry windows opened before the main window first showed are placed again once
  // the window has its real size: until then the child area has none.
  void showEvent(QShowEvent* event) override;

 private:
  void AddSearchEffortMenu(QMenu& optimize);
  void AddThroughCutsCommand(QMenu& optimize);
  // Makes every command's action and places it in its menu and on the toolbar.
  void BuildCommands();
  // Names what Undo and Redo would do in the active grid window, and switches the grid
  // commands off where there is no grid window.
  void UpdateGridCommands();
  GridEditing* ActiveGridEditing() const;
  // A shortcut is matched only after this event, so the grid commands are brought up to date
  // here: an edit since the Edit menu last showed may have made Undo possible.
  bool event(QEvent* event) override;
  // Starts on the Defaults job, untitled and unchanged.
  void StartWithDefaults();
  JobEntryWindow* OpenWindow(JobWindow kind);
  void CloseWindow(JobWindow kind);
  QRect JobWindowPlace(JobWindow kind, const QMdiSubWindow& frame) const;
  void ArrangeJobWindows();
  bool arranged_ = false;
  std::optional<JobWindow> ActiveKind() const;
  // Tells the user when there are no results to show, and answers whether there are.
  bool HasResults();
  // Adds a loaded result window as a child window and places it; an unloaded one is deleted
  // and the error shown. Answers whether it was loaded.
  bool AddResultWindow(QWidget* window, bool loaded, const std::string& error);
  void ActivateResultWindow(QWidget* window, QWidget* focus);
  void HideInactiveResultWindows(QMdiSubWindow* active);

  ShellServices& services_;
  std::function<void()> onClosed_;
  JobState state_;
  FileCommands commands_;
  QMdiArea* area_;
  QAction* maximumYield_ = nullptr;
  QAction* minimumLayouts_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* deleteRows_ = nullptr;
  QAction* insertRow_ = nullptr;
  std::array<QPointer<JobEntryWindow>, 3> windows_;
  // Where each job-entry window was when it last closed: it opens there again.
  std::array<std::optional<QRect>, 3> places_;
  QPointer<Dia> layouts_;
  QPointer<REPORT> report_;
  QPointer<OFFCUT> offcut_;
  std::optional<JobWindow> activeBeforeSave_;
};

}  // namespace trimora
