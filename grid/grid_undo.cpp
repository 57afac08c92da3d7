#include "grid/grid_undo.h"

namespace trimora {

namespace {

// Snapshots take memory for the whole grid: the oldest steps go first.
constexpr size_t kMostSteps = 100;

void Restore(Grid& grid, const GridSnapshot& snapshot) {
  grid.SetRowCount(int(snapshot.rows.size()) + 1);
  for (size_t r = 0; r < snapshot.rows.size(); ++r) {
    for (size_t c = 0; c < snapshot.rows[r].size(); ++c) {
      grid.SetText(int(r) + 1, int(c), snapshot.rows[r][c]);
    }
  }
  grid.row = snapshot.row;
  grid.column = snapshot.column;
  grid.rowSel = snapshot.rowSel;
  grid.columnSel = snapshot.columnSel;
}

// Columns 1 .. lastColumn of the grid differ from the snapshot's, or the rows do in number.
bool Differs(const GridSnapshot& snapshot, const Grid& grid, int lastColumn) {
  if (int(snapshot.rows.size()) != grid.RowCount() - 1) return true;
  for (size_t r = 0; r < snapshot.rows.size(); ++r) {
    for (int c = 1; c <= lastColumn && size_t(c) < snapshot.rows[r].size(); ++c) {
      if (snapshot.rows[r][size_t(c)] != grid.Text(int(r) + 1, c)) return true;
    }
  }
  return false;
}

void StepGrid(Grid& grid, GridUndoStack& stack, bool back, const GridEditRules& rules,
              GridEditorHost& host) {
  const GridSnapshot before = TakeSnapshot(grid);
  const std::string step = back ? stack.Undo(grid) : stack.Redo(grid);
  if (step.empty() || step == kSortStep) return;
  if (rules.guardedColumns > 0 && Differs(before, grid, rules.guardedColumns)) {
    host.InvalidateResults();
  }
  host.SetDataChanged();
}

}  // namespace

GridSnapshot TakeSnapshot(const Grid& grid) {
  GridSnapshot snapshot{{}, grid.row, grid.column, grid.rowSel, grid.columnSel};
  for (int r = 1; r < grid.RowCount(); ++r) {
    std::vector<std::string>& cells = snapshot.rows.emplace_back();
    for (int c = 0; c < grid.ColumnCount(); ++c) cells.push_back(grid.Text(r, c));
  }
  return snapshot;
}

void GridUndoStack::Record(const GridSnapshot& before, const Grid& after, const std::string& step) {
  const std::pair cell{before.row, before.column};
  const bool typing = step == kTypingStep;
  if (Differs(before, after, after.ColumnCount() - 1)) {
    if (!typing || typingCell_ != cell) {
      undo_.push_back({step, before});
      if (undo_.size() > kMostSteps) undo_.erase(undo_.begin());
    }
    redo_.clear();
    typingCell_.reset();
    if (typing) typingCell_ = cell;
  }
  if (after.row != cell.first || after.column != cell.second) EndTyping();
}

void GridUndoStack::Clear() {
  undo_.clear();
  redo_.clear();
  EndTyping();
}

std::string GridUndoStack::UndoText() const { return undo_.empty() ? "" : undo_.back().name; }

std::string GridUndoStack::RedoText() const { return redo_.empty() ? "" : redo_.back().name; }

std::string GridUndoStack::Undo(Grid& grid) { return Move(undo_, redo_, grid); }

std::string GridUndoStack::Redo(Grid& grid) { return Move(redo_, undo_, grid); }

// The grid goes to the other stack as it is now, and comes back as the step kept it.
std::string GridUndoStack::Move(std::vector<Step>& from, std::vector<Step>& to, Grid& grid) {
  if (from.empty()) return "";
  Step step = std::move(from.back());
  from.pop_back();
  to.push_back({step.name, TakeSnapshot(grid)});
  Restore(grid, step.grid);
  EndTyping();
  return step.name;
}

void UndoGridEdit(Grid& grid, GridUndoStack& stack, const GridEditRules& rules,
                  GridEditorHost& host) {
  StepGrid(grid, stack, true, rules, host);
}

void RedoGridEdit(Grid& grid, GridUndoStack& stack, const GridEditRules& rules,
                  GridEditorHost& host) {
  StepGrid(grid, stack, false, rules, host);
}

}  // namespace trimora
