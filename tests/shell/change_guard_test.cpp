#include "shell/change_guard.h"

#include <gtest/gtest.h>

#include "platform/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class RecordingHost : public ChangeGuardHost {
 public:
  void CloseResultWindows() override { calls += "close;"; }
  void RestoreFocus() override { calls += "focus;"; }
  std::string calls;
};

class ChangeGuard : public testing::InWorkDir {
 protected:
  ScriptedDialogService dialogs;
  RecordingHost host;
};

TEST_F(ChangeGuard, EmptiesResultsClosesTheirWindowsAndSaysSo) {
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  EXPECT_TRUE(InvalidateResults(dialogs, host));
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_EQ(host.calls, "close;focus;");
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0],
            (Message{"You are trying to change data. You need to optimize again.", "Attention!",
                     MessageButtons::Ok, MessageIcon::Exclamation}));
}

TEST_F(ChangeGuard, WithoutResultsDoesNothing) {
  EXPECT_FALSE(InvalidateResults(dialogs, host));
  WriteFile("dia.tlf", "");
  EXPECT_FALSE(InvalidateResults(dialogs, host));
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(host.calls, "");
}

}  // namespace
}  // namespace trimora
