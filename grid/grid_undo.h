#pragma once
// Undo and Redo of a grid window's edits. Each step keeps the whole grid as it was (the grids
// are small), so every edit, whatever rules it followed, is undone exactly. Typing into one
// cell is one "Typing" step until the current cell leaves it.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "grid/grid_edit_rules.h"
#include "grid/grid_editor_host.h"
#include "storage/grid.h"

namespace trimora {

// The steps' names, as the Edit menu shows them.
inline constexpr const char* kTypingStep = "Typing";  // typed text, Backspace and Delete
inline constexpr const char* kPasteStep = "Paste";
inline constexpr const char* kSortStep = "Sort";
inline constexpr const char* kDeleteRowStep = "Delete Row";
inline constexpr const char* kInsertRowStep = "Insert Row";
inline constexpr const char* kImportStep = "Import";

// The data rows (serial column included), the current cell and the selection.
struct GridSnapshot {
  std::vector<std::vector<std::string>> rows;
  int row = 1;
  int column = 1;
  int rowSel = 1;
  int columnSel = 1;
};

GridSnapshot TakeSnapshot(const Grid& grid);

class GridUndoStack {
 public:
  // After an edit named step: when it changed a cell or the rows, the grid as it was before
  // becomes the last undo step and the redo steps are gone. A "Typing" edit in the cell whose
  // typing is the last step joins that step.
  void Record(const GridSnapshot& before, const Grid& after, const std::string& step);
  // The current cell moved: the next key typed starts a step of its own.
  void EndTyping() { typingCell_.reset(); }
  // The grid was refilled from outside: no step applies to it any more.
  void Clear();

  // The name of the step Undo or Redo would take back or do again, "" when there is none.
  std::string UndoText() const;
  std::string RedoText() const;

  // Puts the grid back as it was before the last step (Redo: after the step last undone) and
  // answers the step's name; "" without a step, the grid unchanged.
  std::string Undo(Grid& grid);
  std::string Redo(Grid& grid);

 private:
  struct Step {
    std::string name;
    GridSnapshot grid;
  };
  std::string Move(std::vector<Step>& from, std::vector<Step>& to, Grid& grid);

  std::vector<Step> undo_;
  std::vector<Step> redo_;
  std::optional<std::pair<int, int>> typingCell_;  // of the last step, while it can grow
};

// Undo and Redo as a grid window runs them. Taking a step back or forth changes the job as the
// step's own edit did: the change guard runs when it changes the rows or the columns that feed
// the layouts, and the job is marked changed; a sort only puts rows in order. Layout results
// emptied by the edit stay emptied.
void UndoGridEdit(Grid& grid, GridUndoStack& stack, const GridEditRules& rules,
                  GridEditorHost& host);
void RedoGridEdit(Grid& grid, GridUndoStack& stack, const GridEditRules& rules,
                  GridEditorHost& host);

}  // namespace trimora
