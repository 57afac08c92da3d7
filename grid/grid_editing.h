#pragma once
// The row and undo commands a grid window offers to the Edit menu of the window that holds
// it. The texts name what Undo and Redo would do, empty when there is nothing; a grid of one
// fixed record takes no row commands.

#include <string>

namespace trimora {

class GridEditing {
 public:
  virtual void DeleteRows() = 0;
  virtual void InsertRow() = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual std::string UndoText() const = 0;
  virtual std::string RedoText() const = 0;
  virtual bool TakesRowCommands() const = 0;

 protected:
  ~GridEditing() = default;
};

}  // namespace trimora
