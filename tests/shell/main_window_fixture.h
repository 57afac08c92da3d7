#pragma once
// The main window driven as a user would, in a temporary working directory, with scripted
// dialogs, a clipboard in memory and a printer that writes a PDF.

#include <QAction>
#include <QMdiArea>
#include <QPrinter>
#include <QTest>
#include <memory>
#include <string>

#include "engine/optimization_run.h"
#include "grid/grid_window.h"
#include "platform/clipboard.h"
#include "platform/grid_view.h"
#include "shell/base_module.h"
#include "support/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora::testing {

class MemoryClipboard : public Clipboard {
 public:
  void Clear() override { text.clear(); }
  void SetText(const std::string& value) override { text = value; }
  std::string GetText() const override { return text; }
  std::string text;
};

// A grid window's grid view and commands, found by name.
inline GridView& ViewOf(QWidget& window) { return *window.findChild<GridView*>("grid"); }
inline QAction& ActionOf(QWidget& window, const char* name) {
  return *window.findChild<QAction*>(name);
}

// Types the keys into the cell as a user would, through the window's grid view.
inline void TypeInto(GridWindow& window, int row, int column, const char* keys) {
  window.grid().row = window.grid().rowSel = row;
  window.grid().column = window.grid().columnSel = column;
  ViewOf(window).Refresh();
  QTest::keyClicks(&ViewOf(window), keys);
}

// A Defaults job: the basic details of aluminium and Minimum Layouts, no rows.
inline constexpr const char* kDefaultsJob =
    "[BASIC.TLF]\r\n\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"
    "[DIA.TLF]\r\n[END]\r\n";

// A small cabinet job in the tables, optimized on one thread: it needs more than one layout.
inline void OptimizeCabinet() {
  WriteFile("basic.tlf", "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n");
  WriteFile("sheet.tlf", "\"2500\",\"1250\",\"6\",\"10\",\"10\",\"10\",\"10\",\"\"\r\n");
  WriteFile("cut.tlf", "\"1200\",\"600\",\"7\",\"0\",\"DOOR\"\r\n\"800\",\"500\",\"9\"\r\n");
  RunControl silent;
  ASSERT_TRUE(RunOptimization(silent, 1).resultsWritten);
}

class MainWindowTest : public InWorkDir {
 protected:
  MainWindowTest() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("listing.pdf");
  }

  BaseModule& Open() {
    main = std::make_unique<BaseModule>(services, [this] { ++closed; });
    main->show();
    return *main;
  }
  // Runs the main window's command as its menu item or toolbar button does.
  void Run(const char* action) {
    QAction* command = main->findChild<QAction*>(action);
    ASSERT_NE(command, nullptr) << action;
    command->trigger();
  }
  QMdiArea& Area() { return *main->findChild<QMdiArea*>("childArea"); }
  JobEntryWindow& Window(JobWindow kind) { return *main->ActivateWindow(kind); }
  Grid& GridOf(JobWindow kind) { return Window(kind).grid(); }

  void TypeAt(JobWindow kind, int row, int column, const char* keys) {
    TypeInto(Window(kind), row, column, keys);
  }
  std::string Path(const char* name) const {
    return (std::filesystem::current_path() / name).string();
  }

  ScriptedDialogService dialogs;
  MemoryClipboard clipboard;
  QPrinter printer;
  ShellServices services{dialogs, clipboard, printer};
  std::unique_ptr<BaseModule> main;
  int closed = 0;
};

}  // namespace trimora::testing
