#include "shell/file_commands.h"

#include <gtest/gtest.h>

#include "support/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora {
namespace {

// The main window as the commands see it; the commands' work on the windows is tested through
// the real ones.
class FakeMainWindow : public FileCommandHost {
 public:
  void SetTitle(const std::string& text) override { title = text; }
  OptimizeOptions Options() const override { return {true, false}; }
  void SetOptions(const OptimizeOptions&) override {}
  void ViewLayouts() override {}
  void CloseForLoad() override {}
  std::string title = kBaseTitle;
};

using FileCommandsTest = testing::InWorkDir;

// Only a changed job is questioned; a Save As cancelled after Yes leaves it unsaved.
TEST_F(FileCommandsTest, SaveQuestionOnlyForAChangedJob) {
  JobState state;
  ScriptedDialogService dialogs;
  FakeMainWindow window;
  FileCommands commands{state, dialogs, window};
  EXPECT_EQ(commands.AskSaveChanges(), MessageAnswer::No);
  EXPECT_TRUE(dialogs.Messages().empty());
  state.dataChanged = true;
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueFile(std::nullopt);
  EXPECT_EQ(commands.AskSaveChanges(), MessageAnswer::Yes);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].buttons, MessageButtons::YesNoCancel);
  ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
  EXPECT_TRUE(state.dataChanged);
  EXPECT_EQ(window.title, kBaseTitle);
}

}  // namespace
}  // namespace trimora
