#include "platform/scripted_dialog_service.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

const Message kSaveChanges{"Save changes in current file?", "Attention!",
                           MessageButtons::YesNoCancel, MessageIcon::Question,
                           MessageDefault::First};

TEST(ScriptedDialogService, AnswersMessagesInQueueOrderAndRecordsThem) {
  ScriptedDialogService dialogs;
  dialogs.QueueAnswer(MessageAnswer::Cancel);
  dialogs.QueueAnswer(MessageAnswer::Yes);
  EXPECT_EQ(dialogs.ShowMessage(kSaveChanges), MessageAnswer::Cancel);
  EXPECT_EQ(dialogs.ShowMessage(kSaveChanges), MessageAnswer::Yes);
  ASSERT_EQ(dialogs.Messages().size(), 2u);
  EXPECT_EQ(dialogs.Messages()[0], kSaveChanges);
  EXPECT_TRUE(dialogs.AllAnswersUsed());
  EXPECT_TRUE(dialogs.Errors().empty());
}

TEST(ScriptedDialogService, MessageWithoutAnswerThrowsAndIsRecorded) {
  ScriptedDialogService dialogs;
  const Message notOptimized{"This file was not optimized.", "Attention!", MessageButtons::Ok,
                             MessageIcon::Question, MessageDefault::First};
  EXPECT_THROW(dialogs.ShowMessage(notOptimized), UnexpectedDialog);
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find("This file was not optimized."), std::string::npos);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST(ScriptedDialogService, AnswerTheBoxDoesNotOfferIsAnError) {
  ScriptedDialogService dialogs;
  dialogs.QueueAnswer(MessageAnswer::Cancel);
  const Message yesNo{"Paste from clipboard ?", "Trimora", MessageButtons::YesNo,
                      MessageIcon::Question, MessageDefault::First};
  EXPECT_THROW(dialogs.ShowMessage(yesNo), UnexpectedDialog);
  EXPECT_EQ(dialogs.Errors().size(), 1u);
}

TEST(ScriptedDialogService, FileDialogsAnswerPathsOrCancelAndRecordRequests) {
  ScriptedDialogService dialogs;
  dialogs.QueueFile("/jobs/coil 12.trm");
  dialogs.QueueFile(std::nullopt);
  const FileDialogRequest open{"*.trm|*.trm", "Open File...", ""};
  const FileDialogRequest save{"*.trm|*.trm", "Save File...", "/jobs/coil 12.trm"};
  EXPECT_EQ(dialogs.OpenFile(open), "/jobs/coil 12.trm");
  EXPECT_EQ(dialogs.SaveFile(save), std::nullopt);
  ASSERT_EQ(dialogs.FileDialogs().size(), 2u);
  EXPECT_EQ(dialogs.FileDialogs()[0].kind, FileDialogShown::Kind::Open);
  EXPECT_EQ(dialogs.FileDialogs()[0].request, open);
  EXPECT_EQ(dialogs.FileDialogs()[1].kind, FileDialogShown::Kind::Save);
  EXPECT_EQ(dialogs.FileDialogs()[1].request, save);
  EXPECT_THROW(dialogs.SaveFile(save), UnexpectedDialog);
}

TEST(ScriptedDialogService, PrintDialogAnswersAndRecordsThePreset) {
  ScriptedDialogService dialogs;
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  EXPECT_FALSE(dialogs.AllAnswersUsed());
  EXPECT_EQ(dialogs.PrintDialog(true), PrintDialogAnswer::Selection);
  EXPECT_EQ(dialogs.PrintDialogs(), std::vector<bool>{true});
  EXPECT_THROW(dialogs.PrintDialog(false), UnexpectedDialog);
  EXPECT_EQ(dialogs.PrintDialogs(), (std::vector<bool>{true, false}));
}

TEST(ScriptedDialogService, CountsBeeps) {
  ScriptedDialogService dialogs;
  dialogs.Beep();
  dialogs.Beep();
  EXPECT_EQ(dialogs.Beeps(), 2);
}

}  // namespace
}  // namespace trimora
