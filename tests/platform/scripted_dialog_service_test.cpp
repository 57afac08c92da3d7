#include "platform/scripted_dialog_service.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

const Message kSaveChanges{"Save changes in current file?", "Attention!",
                           MessageButtons::YesNoCancel, MessageIcon::Question,
                           MessageDefault::First};

TEST(ScriptedDialogService, AnswersInQueueOrderAndFailsLoudlyOnAnUnexpectedDialog) {
  ScriptedDialogService dialogs;
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueAnswer(MessageAnswer::Cancel);
  dialogs.QueueFile("/jobs/coil 12.trm");
  EXPECT_FALSE(dialogs.AllAnswersUsed());
  EXPECT_EQ(dialogs.ShowMessage(kSaveChanges), MessageAnswer::Yes);
  const Message yesNo{"Paste from clipboard ?", "Trimora", MessageButtons::YesNo,
                      MessageIcon::Question, MessageDefault::First};
  EXPECT_THROW(dialogs.ShowMessage(yesNo), UnexpectedDialog);  // Cancel is not offered
  const FileDialogRequest open{"*.trm|*.trm", "Open File...", ""};
  EXPECT_EQ(dialogs.OpenFile(open), "/jobs/coil 12.trm");
  EXPECT_TRUE(dialogs.AllAnswersUsed());
  EXPECT_THROW(dialogs.ShowMessage(kSaveChanges), UnexpectedDialog);
  EXPECT_THROW(dialogs.SaveFile(open), UnexpectedDialog);
  EXPECT_THROW(dialogs.PrintDialog(false), UnexpectedDialog);
  ASSERT_EQ(dialogs.Errors().size(), 4u);
  EXPECT_NE(dialogs.Errors()[1].find("Save changes in current file?"), std::string::npos);
  EXPECT_EQ(dialogs.Messages().size(), 3u);  // every box shown is recorded
  EXPECT_EQ(dialogs.FileDialogs()[0].request, open);
}

}  // namespace
}  // namespace trimora
