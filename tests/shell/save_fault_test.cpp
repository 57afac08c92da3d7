// A save that cannot write a window's table must keep that window's rows.

#include <gtest/gtest.h>

#include <filesystem>

#include "main_window_fixture.h"

namespace trimora {
namespace {

using testing::ReadFile;

using SaveFaultTest = testing::MainWindowTest;

// A folder in the table's place fails every write to it, as a full disk fails the first one.
TEST_F(SaveFaultTest, ATableThatCannotBeWrittenKeepsTheRowsAndTheUnsavedFlag) {
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
