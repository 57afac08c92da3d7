#include "shell/change_guard.h"

#include <gtest/gtest.h>

#include "support/scripted_dialog_service.h"
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

using ChangeGuard = testing::InWorkDir;

// The results are emptied, their windows closed and the user told.
TEST_F(ChangeGuard, EmptiesResultsClosesTheirWindowsAndSaysSo) {
  ScriptedDialogService dialogs;
  RecordingHost host;
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

}  // namespace
}  // namespace trimora
