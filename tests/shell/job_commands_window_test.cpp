// The File commands, the save question and the import, driven through the real windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "libraries/mlm_window.h"
#include "main_window_fixture.h"
#include "shell/blade_kerf_dialog.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

using JobCommandsTest = testing::MainWindowTest;

TEST_F(JobCommandsTest, SaveCloseStartAgainAndOpen) {
  BaseModule& window = Open();
  TypeAt(JobWindow::Cut, 1, 5, "door");
  const std::string path = Path("Cabinet.trm");
  dialogs.QueueFile(path);
  Run("actionSave");
  EXPECT_EQ(window.windowTitle().toStdString(), "Base Module - " + path);  // case as on disk
  EXPECT_FALSE(window.State().dataChanged);
  EXPECT_EQ(Area().activeSubWindow()->widget(), window.Window(JobWindow::Cut));

  window.close();  // nothing unsaved: no question
  EXPECT_EQ(closed, 1);
  WriteFile("cut.tlf", "");
  BaseModule& again = Open();
  dialogs.QueueFile(path);
  dialogs.QueueAnswer(MessageAnswer::Ok);  // not optimized
  Run("actionOpen");
  EXPECT_EQ(dialogs.Messages().back().text, "This file was not optimized.");
  EXPECT_EQ(again.windowTitle().toStdString(), JobTitle(path));
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 5), "DOOR");  // from the job file: cut.tlf was emptied
  EXPECT_EQ(again.State().fileName, path);
  Run("actionNew");  // New without Defaults only forgets the file
  EXPECT_EQ(again.windowTitle(), "Base Module");
  EXPECT_EQ(again.State().fileName, "");
}

// Save closes and reopens the job-entry windows to write their tables; the reopened windows
// keep the undo history.
TEST_F(JobCommandsTest, UndoAfterSaveTakesBackTheTypingBeforeIt) {
  BaseModule& window = Open();
  TypeAt(JobWindow::Cut, 1, 1, "600");
  dialogs.QueueFile(Path("job.trm"));
  Run("actionSave");
  EXPECT_NE(ReadFile("job.trm").find("[CUT.TLF]\r\n\"600\""), std::string::npos);
  JobEntryWindow& cut = *window.Window(JobWindow::Cut);
  ASSERT_EQ(cut.grid().Text(1, 1), "600");
  QTest::keyClick(&testing::ViewOf(cut), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(cut.grid().Text(1, 1), "");
  EXPECT_EQ(cut.grid().RowCount(), 2);
  EXPECT_TRUE(window.State().dataChanged);
}

// Types into the Blade and Kerf dialog once it shows, then presses OK, or Cancel when OK is
// not available.
void AnswerBladeAndKerf(const QString& blade, const QString& kerf, bool* okEnabled) {
  QTimer::singleShot(0, [=] {
    auto* dialog = dynamic_cast<BladeKerfDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("blade")->setText(blade);
    dialog->findChild<QLineEdit*>("kerf")->setText(kerf);
    QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>();
    *okEnabled = buttons->button(QDialogButtonBox::Ok)->isEnabled();
    buttons->button(*okEnabled ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
  });
}

// Blade and kerf, hidden in the Basic Details grid, are set through their dialog: the values
// are checked, the job counts as changed and the results of an optimized job are emptied.
TEST_F(JobCommandsTest, BladeAndKerfAreSetThroughTheirDialog) {
  WriteFile("basic.tlf", "\"MS\",\"\",\"2\",\"\",\"10\",\"\",\"\"\r\n");
  WriteFile("dia.tlf", "1,-1,1,0,0,5,5,1,0\r\n");
  BaseModule& window = Open();
  bool taken = true;
  AnswerBladeAndKerf("0", "3", &taken);  // a blade reach of 0 is refused
  Run("actionBladeAndKerf");
  EXPECT_FALSE(taken);
  EXPECT_FALSE(window.State().dataChanged);

  dialogs.QueueAnswer(MessageAnswer::Ok);  // "You need to optimize again."
  AnswerBladeAndKerf("1300", "3", &taken);
  Window(JobWindow::Basic).findChild<QPushButton*>("bladeKerfButton")->click();
  EXPECT_TRUE(taken);
  EXPECT_TRUE(window.State().dataChanged);
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  dialogs.QueueFile(Path("job.trm"));
  Run("actionSave");
  EXPECT_NE(ReadFile("job.trm").find("\"MS\",\"\",\"2\",\"1300\",\"10\",\"3\""), std::string::npos);
}

// Edit, Import Cut-Pieces... opens the Cut-Piece Measurement window, appends the rows it takes
// after those there as one step Undo takes back, empties the results and names each refused
// row. A file it cannot read changes nothing.
TEST_F(JobCommandsTest, ImportCutPiecesAppendsTheRowsAndNamesThoseRefused) {
  WriteFile("cut.tlf", testing::QuotedLine({"1200", "600", "7", "0", "DOOR", "", ""}));
  WriteFile("dia.tlf", "1,-1,1,0,0,5,5,1,0\r\n");
  WriteFile("cuts.csv", "length,width,qty,description\r\n600,300,2,side\r\n700,x,1,\r\n");
  BaseModule& window = Open();  // without Defaults no window is open
  dialogs.QueueFile(Path("missing.csv"));
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Run("actionImportCutPieces");
  EXPECT_EQ(dialogs.Messages().back().text,
            "Could not import " + Path("missing.csv") + ": no such file");
  EXPECT_EQ(window.Window(JobWindow::Cut), nullptr);
  EXPECT_FALSE(window.State().dataChanged);

  dialogs.QueueFile(Path("cuts.csv"));
  dialogs.QueueAnswer(MessageAnswer::Ok);  // "You need to optimize again."
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Run("actionImportCutPieces");
  EXPECT_TRUE(
      dialogs.Messages().back().text.ends_with("\nLine 3: WIDTH must be a number of 0 or more."));
  JobEntryWindow* cut = window.Window(JobWindow::Cut);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(Area().activeSubWindow()->widget(), cut);
  EXPECT_EQ(cut->grid().RowCount(), 4);  // the row read, the row imported, the entry row
  for (const auto& [column, text] : {std::pair{0, "2"}, {1, "600"}, {2, "300"}, {5, "SIDE"}}) {
    EXPECT_EQ(cut->grid().Text(2, column), text);
  }
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_TRUE(window.State().dataChanged);
  EXPECT_TRUE(dialogs.AllAnswersUsed());

  emit window.findChild<QMenu*>("menuEdit")->aboutToShow();
  EXPECT_EQ(window.findChild<QAction*>("actionUndo")->text(), "Undo Import");
  Run("actionUndo");
  EXPECT_EQ(cut->grid().RowCount(), 3);
  EXPECT_EQ(cut->grid().Text(2, 1), "");
}

// Save as Defaults empties the saved lists but not the rows on screen; New then loads it.
TEST_F(JobCommandsTest, SaveAsDefaultsThenNewStartsFromThem) {
  BaseModule& window = Open();
  TypeAt(JobWindow::Basic, 1, 1, "al");
  TypeAt(JobWindow::Cut, 1, 1, "600");
  dialogs.QueueAnswer(MessageAnswer::Yes);
  Run("actionSaveAsDefaults");
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 1), "600");
  EXPECT_EQ(window.windowTitle(), "Base Module");

  dialogs.QueueAnswer(MessageAnswer::Cancel);  // save changes?
  Run("actionNew");
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 1), "600");
  dialogs.QueueAnswer(MessageAnswer::No);
  Run("actionNew");
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 1), "");
  EXPECT_EQ(GridOf(JobWindow::Basic).Text(1, 1), "AL");
  EXPECT_FALSE(window.State().dataChanged);
}

// Edits not yet saved survive a failed or cancelled save and a failed open; on close, Cancel keeps
// the window and them, No closes it with the tables written (they come back in the next window),
// Yes saves.
TEST_F(JobCommandsTest, UnsavedEditsSurviveFailuresAndTheCloseQuestion) {
  WriteFile("notes.trm", "shopping list\r\n");
  BaseModule& window = Open();
  TypeAt(JobWindow::Cut, 1, 1, "600");
  dialogs.QueueFile("no-such-folder/job.trm");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Run("actionSave");
  EXPECT_EQ(dialogs.Messages().back().text.rfind("Could not save no-such-folder/job.trm: ", 0), 0u);
  dialogs.QueueFile(std::nullopt);  // Save As cancelled
  Run("actionSave");
  EXPECT_TRUE(window.State().dataChanged);
  EXPECT_EQ(window.windowTitle(), "Base Module");
  dialogs.QueueFile(Path("job.trm"));
  Run("actionSave");
  TypeAt(JobWindow::Cut, 1, 2, "300");
  dialogs.QueueAnswer(MessageAnswer::No);  // save changes?
  dialogs.QueueFile("notes.trm");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Run("actionOpen");
  EXPECT_EQ(dialogs.Messages().back().text.rfind("Could not open notes.trm: ", 0), 0u);
  EXPECT_EQ(window.State().fileName, Path("job.trm"));

  dialogs.QueueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(closed, 0);
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 2), "300");
  dialogs.QueueAnswer(MessageAnswer::No);
  EXPECT_TRUE(window.close());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(ReadFile("cut.tlf").rfind("\"600\",\"300\"", 0), 0u);

  BaseModule& again = Open();
  TypeAt(JobWindow::Cut, 1, 5, "door");
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueFile(Path("closing.trm"));
  EXPECT_TRUE(again.close());
  EXPECT_NE(ReadFile("closing.trm").find("[CUT.TLF]\r\n\"600\",\"300\""), std::string::npos);
}

// A failed import loses nothing and offers the library; a found one replaces the rolls and
// empties the results.
TEST_F(JobCommandsTest, ImportReplacesTheRollsOnlyWhenTheLibraryHasSome) {
  WriteFile("mlm.dat",
            "\"MS\",\"A\",\"2\",\"2500\",\"1250\",\"4\",\"BAY 1\"\r\n"
            "\"MS\",\"A\",\"2\",\"3000\",\"1250\",\"2\",\"BAY 3\"\r\n");
  WriteFile("basic.tlf", "\"MS\",\"B\",\"2\"\r\n");
  WriteFile("sheet.tlf", "\"900\",\"900\",\"1\"\r\n");
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  BaseModule& window = Open();
  JobEntryWindow& sheet = Window(JobWindow::Sheet);
  auto* import = sheet.findChild<QPushButton*>("importButton");
  dialogs.QueueAnswer(MessageAnswer::Yes);  // not found: refer to the library?
  import->click();
  auto* library = dynamic_cast<MLM*>(QApplication::activeModalWidget());
  ASSERT_NE(library, nullptr);
  library->close();
  EXPECT_EQ(ReadFile("sheet.tlf"), "\"900\",\"900\",\"1\"\r\n");
  EXPECT_EQ(sheet.grid().Text(1, 1), "900");
  EXPECT_FALSE(window.State().importedFromLibrary);

  GridOf(JobWindow::Basic).SetText(1, 2, "A");
  dialogs.QueueAnswer(MessageAnswer::Ok);  // optimize again
  dialogs.QueueAnswer(MessageAnswer::Ok);
  import->click();
  EXPECT_EQ(dialogs.Messages().back().text, "2 size(s) imported from MLM");
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_EQ(sheet.grid().RowCount(), 4);
  EXPECT_EQ(sheet.grid().Text(2, 8), "BAY 3");
  EXPECT_TRUE(window.State().importedFromLibrary);
}

// A folder in the table's place fails every write to it, as a full disk fails the first one.
TEST_F(JobCommandsTest, ATableThatCannotBeWrittenKeepsTheRowsAndTheUnsavedFlag) {
  BaseModule& window = Open();
  TypeAt(JobWindow::Sheet, 1, 1, "2500");
  TypeAt(JobWindow::Cut, 1, 1, "600");
  TypeAt(JobWindow::Cut, 1, 5, "door");
  std::filesystem::remove("cut.tlf");
  std::filesystem::create_directory("cut.tlf");
  const std::string path = Path("cabinet.trm");
  dialogs.QueueFile(path);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Run("actionSaveAs");
  EXPECT_EQ(dialogs.Messages().back().text,
            "Could not save " + path + ": cut.tlf cannot be written");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 5), "DOOR");
  EXPECT_EQ(GridOf(JobWindow::Sheet).Text(1, 1), "2500");
  EXPECT_TRUE(window.State().dataChanged);

  std::filesystem::remove("cut.tlf");  // room again: the next save writes every row
  dialogs.QueueFile(path);
  Run("actionSaveAs");
  EXPECT_NE(ReadFile(path).find("[CUT.TLF]\r\n\"600\""), std::string::npos);
  EXPECT_NE(ReadFile(path).find("\"DOOR\""), std::string::npos);
  EXPECT_FALSE(window.State().dataChanged);
}

}  // namespace
}  // namespace trimora
