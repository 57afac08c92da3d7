#pragma once
// The Density Table window: edits density.dat, the density of each material. The grid works
// on the copy density.tlf; only Done, answered Yes, writes density.dat, sorted by material.

#include <QDialog>

#include "grid/grid_editor_host.h"
#include "platform/clipboard.h"
#include "platform/dialog_service.h"
#include "platform/grid_view.h"
#include "platform/grid_view_handler.h"
#include "storage/grid.h"

class QPushButton;

namespace trimora {

inline constexpr const char* kDensityWorkingCopy = "density.tlf";

class DENSITY : public QDialog, public GridViewHandler, public GridEditorHost {
 public:
  DENSITY(DialogService& dialogs, Clipboard& clipboard, QWidget* parent = nullptr);

  Grid& grid() { return grid_; }
  GridView* FG;
  QPushButton* cmdClose;

  // Done: asks "Save Changes?"; Yes writes density.dat sorted by material. Closes either way.
  void cmdClose_Click();

  // GridViewHandler
  void KeyPress(const KeyEvent& key) override;
  bool KeyDown(const KeyEvent& key) override;

  // GridEditorHost
  std::string ClipboardText() override { return clipboard_.GetText(); }
  void SetClipboardText(const std::string& text) override;
  MessageAnswer ShowMessage(const Message& message) override;
  void Beep() override { dialogs_.Beep(); }
  void FocusGrid() override;
  int RowsPerPage() override { return FG->VisibleRows(); }

 private:
  void DENSITY_Form_Load();

  DialogService& dialogs_;
  Clipboard& clipboard_;
  Grid grid_;
};

}  // namespace trimora
