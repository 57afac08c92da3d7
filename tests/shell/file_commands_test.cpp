#include "shell/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

// The main window as the commands see it: the tables are already current on disk.
class FakeMainWindow : public FileCommandHost {
 public:
  void SetTitle(const std::string& text) override { title = text; }
  OptimizeOptions Options() const override { return options; }
  void SetOptions(const OptimizeOptions& value) override { options = value; }
  void ViewLayouts() override { ++layoutViews; }
  void CloseForLoad() override { ++loads; }

  std::string title = kBaseTitle;
  OptimizeOptions options{true, false};
  int layoutViews = 0;
  int loads = 0;
};

constexpr const char* kBasic = "\"MS\",\"S275\",\"2\",\"1250\",\"10\",\"5\",\"\"\r\n";
constexpr const char* kCut = "\"600\",\"300\",\"4\",\"0\",\"DOOR\",\"\",\"\"\r\n";

class FileCommandsTest : public testing::InWorkDir {
 protected:
  FileCommandsTest() {
    WriteFile("basic.tlf", kBasic);
    WriteFile("cut.tlf", kCut);
  }
  JobState state;
  ScriptedDialogService dialogs;
  FakeMainWindow window;
  FileCommands commands{state, dialogs, window};
};

TEST_F(FileCommandsTest, UnchangedJobIsNotQuestioned) {
  EXPECT_EQ(commands.AskSaveChanges(), MessageAnswer::No);
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(FileCommandsTest, YesToTheQuestionRunsSaveAsEvenWhenItIsCancelled) {
  state.dataChanged = true;
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueFile(std::nullopt);
  EXPECT_EQ(commands.AskSaveChanges(), MessageAnswer::Yes);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, "Save changes in current file?");
  EXPECT_EQ(dialogs.Messages()[0].buttons, MessageButtons::YesNoCancel);
  ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
  EXPECT_EQ(dialogs.FileDialogs()[0].request.title, "Save File...");
  EXPECT_TRUE(state.dataChanged);
}

TEST_F(FileCommandsTest, SaveNamesTheJobInTheTitleAsItIsOnDisk) {
  state.dataChanged = true;
  const std::string path = (std::filesystem::current_path() / "Coil 12.TRM").string();
  dialogs.QueueFile(path);
  commands.Save();
  EXPECT_EQ(window.title, "Base Module - " + path);
  EXPECT_EQ(state.fileName, path);
  EXPECT_FALSE(state.dataChanged);
  EXPECT_NE(ReadFile(path).find("[CUT.TLF]\r\n" + std::string(kCut) + "[END]"), std::string::npos);
  commands.Save();  // the second save needs no dialog
  EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
}

TEST_F(FileCommandsTest, FailedSaveTellsWhyAndKeepsTheJobUnsaved) {
  state.dataChanged = true;
  dialogs.QueueFile("no-such-folder/job.trm");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  commands.Save();
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text.rfind("Could not save no-such-folder/job.trm: ", 0), 0u);
  EXPECT_EQ(dialogs.Messages()[0].title, "Attention!");
  EXPECT_TRUE(state.dataChanged);
  EXPECT_EQ(state.fileName, "");
  EXPECT_EQ(window.title, kBaseTitle);
}

TEST_F(FileCommandsTest, OpeningAFileThatIsNotAJobChangesNothing) {
  WriteFile("notes.trm", "shopping list\r\n");
  state.fileName = "old.trm";
  state.dataChanged = false;
  dialogs.QueueFile("notes.trm");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  commands.Open();
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text.rfind("Could not open notes.trm: ", 0), 0u);
  EXPECT_EQ(state.fileName, "old.trm");
  EXPECT_EQ(ReadFile("cut.tlf"), kCut);
  EXPECT_EQ(window.loads, 0);
  EXPECT_EQ(window.layoutViews, 0);
}

TEST_F(FileCommandsTest, CancelledOpenKeepsTheFileName) {
  state.fileName = "old.trm";
  dialogs.QueueFile(std::nullopt);
  commands.Open();
  EXPECT_EQ(state.fileName, "old.trm");
  EXPECT_EQ(dialogs.FileDialogs()[0].request.title, "Open File...");
  EXPECT_EQ(dialogs.FileDialogs()[0].request.filter, "*.trm|*.trm");
}

TEST_F(FileCommandsTest, OpenReadsTheOptionsAndShowsTheLayouts) {
  WriteFile("JOB.trm",
            "[BASIC.TLF]\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
            "[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n");
  state.importedFromLibrary = true;
  dialogs.QueueFile("JOB.trm");
  commands.Open();
  EXPECT_EQ(window.title, "Base Module - JOB.trm");
  EXPECT_EQ(window.layoutViews, 1);
  EXPECT_FALSE(window.options.maximumYield);
  EXPECT_TRUE(window.options.minimumLayouts);
  EXPECT_FALSE(state.importedFromLibrary);
  EXPECT_EQ(ReadFile("cut.tlf"), "");
}

TEST_F(FileCommandsTest, SaveAsDefaultsAsksWithNoAsTheDefaultAndEmptiesTheLists) {
  dialogs.QueueAnswer(MessageAnswer::No);
  commands.SaveAsDefaults();
  EXPECT_FALSE(std::filesystem::exists(kDefaultsFile));
  EXPECT_EQ(dialogs.Messages()[0].default_button, MessageDefault::Second);

  dialogs.QueueAnswer(MessageAnswer::Yes);
  state.dataChanged = true;
  commands.SaveAsDefaults();
  const std::string defaults = ReadFile(kDefaultsFile);
  EXPECT_NE(defaults.find(kBasic), std::string::npos);
  EXPECT_NE(defaults.find("[CUT.TLF]\r\n[END]"), std::string::npos);
  EXPECT_NE(defaults.find("[OPTIONS.TLF]\r\n-1,0\r\n[END]"), std::string::npos);
  EXPECT_EQ(ReadFile("cut.tlf"), "");
  EXPECT_TRUE(state.dataChanged);
  EXPECT_EQ(window.title, kBaseTitle);
}

TEST_F(FileCommandsTest, NewWithoutDefaultsOnlyResetsTheJobState) {
  state = {false, true, "job.trm"};
  window.title = "Base Module - job.trm";
  commands.New();
  EXPECT_EQ(window.loads, 0);
  EXPECT_EQ(ReadFile("cut.tlf"), kCut);
  EXPECT_EQ(state.fileName, "");
  EXPECT_FALSE(state.importedFromLibrary);
  EXPECT_EQ(window.title, kBaseTitle);
}

TEST_F(FileCommandsTest, CancelOnTheQuestionStopsNew) {
  state = {true, false, "job.trm"};
  dialogs.QueueAnswer(MessageAnswer::Cancel);
  commands.New();
  EXPECT_EQ(state.fileName, "job.trm");
  EXPECT_TRUE(state.dataChanged);
}

}  // namespace
}  // namespace trimora
