#pragma once
// What the Material Library, Product Library and Load Products windows share: a grid laid out
// from its field tags, edited through the shared grid editing, with the system's dialogs,
// clipboard and printer.

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_edit_rules.h"
#include "grid/grid_print.h"
#include "grid/services_grid_host.h"
#include "platform/grid_view.h"
#include "platform/grid_view_handler.h"
#include "platform/shell_services.h"

class QHBoxLayout;

namespace trimora {

class LibraryWindow : public QWidget, public GridViewHandler, public ServicesGridHost {
 public:
  LibraryWindow(const std::string& caption, const std::vector<std::string_view>& tags,
                ShellServices& services, QWidget* parent = nullptr);
  // The grid view goes first: it reads the grid until it is gone.
  ~LibraryWindow() override;

  Grid& grid() { return grid_; }
  GridView* FG;

  // GridViewHandler
  void KeyPress(const KeyEvent& key) override;
  bool KeyDown(const KeyEvent& key) override;

  // GridEditorHost, beyond what the program's services answer
  void FocusGrid() override;
  int RowsPerPage() override { return FG->VisibleRows(); }

 protected:
  // Fills the grid from file, then binds it to workingCopy for the grid operations.
  void LoadGrid(const char* file, const char* workingCopy);
  // The grid operations of the buttons; each shows the grid afterwards.
  void Sort(int direction);
  // material and thickness: the job's MAT and THICK, for the off-cut listing. The preview shows
  // the whole listing.
  void Print(PrintedGrid kind, const std::string& material = "", const std::string& thickness = "");
  void PrintPreview(PrintedGrid kind, const std::string& material = "",
                    const std::string& thickness = "");
  void Copy();
  void Paste();
  // The grid toolbar's buttons as most library windows use them; kind says how Print lists.
  void GridToolbarClick(int index, PrintedGrid kind);
  // Puts the grid toolbar in the row above the grid: 1 "Sort Ascending", 2 "Sort Descending",
  // 4 "Print", 8 "Print Preview", 6 "Copy", 7 "Paste" (3 and 5 separate them); click gets the
  // index.
  void AddGridToolbar(const std::function<void(int)>& click);
  // The row above the grid and the row below it.
  QHBoxLayout* TopRow() { return topRow_; }
  QHBoxLayout* BottomRow() { return bottomRow_; }
  // The entry rules of the typing and the paste; lists of any length unless set.
  void SetEditRules(const GridEditRules& rules) { rules_ = rules; }
  // A window of its own first opens large enough for all its columns and ten rows, where the
  // screen allows.
  void showEvent(QShowEvent* event) override;

 private:
  GridPrintContext ListingContext(PrintedGrid kind, const std::string& material,
                                  const std::string& thickness) const;

  std::string caption_;
  Grid grid_;
  QHBoxLayout* topRow_;
  QHBoxLayout* bottomRow_;
  // Lists of any length, and nothing in them belongs to the job.
  GridEditRules rules_{true, 0, false};
  bool sized_ = false;
};

}  // namespace trimora
