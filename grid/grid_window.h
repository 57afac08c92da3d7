#pragma once
// What every grid window shares: a grid laid out from its field tags in a grid view, edited
// through the shared grid editing with Undo and Redo and the row commands, answered with the
// program's services. Above the grid a row for the grid toolbar and the window's own
// controls, below it a row for its buttons. The grid view is named "grid"; its context menu
// holds Undo, Redo, Delete Row and Insert Row ("undoAction", "redoAction", "deleteRowAction",
// "insertRowAction"), whose keys work while the grid has the focus.

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_edit_rules.h"
#include "grid/grid_editing.h"
#include "grid/grid_print.h"
#include "grid/grid_sort.h"
#include "grid/grid_undo.h"
#include "grid/services_grid_host.h"
#include "platform/grid_view_handler.h"
#include "platform/shell_services.h"

class QAction;
class QHBoxLayout;
class QKeySequence;
class QPushButton;

namespace trimora {

class GridView;

// A list window opens showing this many rows where the screen allows.
inline constexpr int kRowsShownInLists = 10;

class GridWindow : public QWidget,
                   public GridViewHandler,
                   public ServicesGridHost,
                   public GridEditing {
 public:
  GridWindow(const std::string& caption, const std::vector<std::string_view>& tags,
             ShellServices& services, QWidget* parent = nullptr);
  // The grid view goes first: it reads the grid until it is gone.
  ~GridWindow() override;

  Grid& grid() { return grid_; }
  // Shows the grid after its cells were changed outside the window's own editing. Earlier
  // steps can no longer be undone: each holds the whole grid, and would undo that change too.
  void RefreshGrid();
  int GridRowHeight() const;
  // The undo history, handed from a window that closes to the one that opens on the same table
  // in its place, so that a save, which closes and reopens the job's windows, keeps it.
  GridUndoStack TakeUndoHistory();
  void AdoptUndoHistory(GridUndoStack history);

  // GridEditing
  void DeleteRows() override;
  void InsertRow() override;
  void Undo() override;
  void Redo() override;
  std::string UndoText() const override { return undo_.UndoText(); }
  std::string RedoText() const override { return undo_.RedoText(); }
  bool TakesRowCommands() const override { return rules_.keepsEntryRow; }

  // GridViewHandler
  void KeyPress(const KeyEvent& key) override { HandleKey(key); }
  bool KeyDown(const KeyEvent& key) override { return HandleKey(key); }
  void FocusIn() override { ShowCurrentRow(); }
  void CellChanged() override;

  // GridEditorHost, beyond what the program's services answer
  void FocusGrid() override;
  int RowsPerPage() override;

 protected:
  // Runs an edit as one undoable step named step (see grid_undo.h), then shows the grid.
  void Edit(const char* step, const std::function<void()>& change);
  // Fills the grid from file, then binds it to workingCopy for the grid operations.
  void LoadGrid(const std::string& file, const std::string& workingCopy);
  // The commands of the grid toolbar and of the buttons some windows have instead.
  void Sort(SortDirection direction);
  void Print();
  void PrintPreview();
  void Copy();
  void Paste();
  // What the listing's page header shows: the caption, of a plain table unless overridden.
  virtual GridPrintContext ListingContext();
  // Refreshes whatever the window shows beside the grid about the current row.
  virtual void ShowCurrentRow() {}

  // Puts the grid toolbar at the start of the row above the grid.
  void AddGridToolbar();
  // Adds a push button named name at the end of row (TopRow() or BottomRow()).
  QPushButton* AddButton(QHBoxLayout* row, const char* caption, const char* name,
                         const std::function<void()>& run);
  QHBoxLayout* TopRow() { return topRow_; }
  QHBoxLayout* BottomRow() { return bottomRow_; }
  GridView* View() { return view_; }
  // The entry rules of typing, paste and the row commands; unless set, those of lists of any
  // length that are no part of the job.
  void SetEditRules(const GridEditRules& rules);
  // How many rows the window's size makes room for (kRowsShownInLists unless set).
  void SetRowsShown(int rows);

  // A window of its own first opens large enough for all its columns and the rows shown,
  // where the screen allows.
  void showEvent(QShowEvent* event) override;

 private:
  // The grid view takes the keys of its commands before any shortcut does: the main window
  // may offer the same keys, and Ctrl+Del must never reach the grid as Delete.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void SetUpView();
  // Undo, Redo, Delete Row and Insert Row, in the grid's context menu.
  void AddCommands();
  bool HandleKey(const KeyEvent& key);
  QAction* AddCommand(const char* text, const char* name, const QKeySequence& keys,
                      const std::function<void()>& run);
  // Shows the grid, the current row's details and which commands can run.
  void ShowGrid();

  std::string caption_;
  Grid grid_;
  GridEditRules rules_{true, 0, false};
  GridUndoStack undo_;
  GridView* view_;
  QHBoxLayout* topRow_;
  QHBoxLayout* bottomRow_;
  QAction* undoAction_;
  QAction* redoAction_;
  QAction* deleteRowAction_;
  QAction* insertRowAction_;
  bool sized_ = false;
};

}  // namespace trimora
