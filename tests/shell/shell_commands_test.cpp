// The Optimize command's steps and the roll import, without their windows.

#include <gtest/gtest.h>

#include "shell/optimize_command.h"
#include "shell/roll_import.h"
#include "support/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

// Records the steps; "editing" the Density Table writes what the test gives it.
class RecordingOptimizeHost : public OptimizeHost {
 public:
  std::string JobMaterial() override { return "MS"; }
  void EditDensityTable() override {
    steps += "density ";
    if (!densityAfterEdit.empty()) WriteFile("density.dat", densityAfterEdit);
  }
  void SaveSnapshot(const std::string& name) override { steps += "save:" + name + " "; }
  void CloseResultWindows() override { steps += "close "; }
  void SetDataChanged() override { steps += "changed "; }
  bool RunProgressWindow() override {
    steps += "progress ";
    return planWritten;
  }
  void SaveAs() override { steps += "saveas "; }
  void ViewLayouts() override { steps += "layouts"; }
  std::string densityAfterEdit;
  std::string steps;
  bool planWritten = true;
};

class OptimizeCommandTest : public testing::InWorkDir {
 protected:
  ScriptedDialogService dialogs;
  RecordingOptimizeHost host;
};

// Each Yes opens the Density Table and asks again while the material is missing; No goes on
// without it, and adding the material ends the questions.
TEST_F(OptimizeCommandTest, DensityQuestionsUntilNoOrTheMaterialIsAdded) {
  WriteFile("misc.set", "\"Weight\"\r\n");
  for (MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No})
    dialogs.QueueAnswer(answer);
  Optimize(dialogs, host);
  EXPECT_EQ(dialogs.Messages().size(), 3u);
  EXPECT_EQ(host.steps, "density density save:tmp.tlf close changed progress saveas layouts");

  host.steps.clear();
  host.densityAfterEdit = "\"MS\",\"7.85\"\r\n";
  dialogs.QueueAnswer(MessageAnswer::Yes);
  CheckDensity(dialogs, host);
  EXPECT_EQ(host.steps, "density ");
  EXPECT_EQ(dialogs.Messages().size(), 4u);
}

// A refused job or a run without a plan leaves nothing to save or show.
TEST_F(OptimizeCommandTest, NoPlanNoSaveAs) {
  host.planWritten = false;
  Optimize(dialogs, host);
  EXPECT_EQ(host.steps, "save:tmp.tlf close changed progress ");
}

// --- Import from the Material Library -------------------------------------------------------

using RollImport = testing::InWorkDir;

constexpr const char* kLibrary =
    "\"AL\",\"A\",\"2\",\"1000\",\"500\",\"1\",\"BAY 9\"\r\n"
    "\"MS\",\"A\",\"2\",\"2500\",\"1250\",\"4\",\"BAY 1\"\r\n"
    "\"MS\",\"A\",\"2.0\",\"2000\",\"1000\",\"2\",\"SCRAP\"\r\n"
    "\"MS\",\"a\",\"2\",\"3000\",\"1500\",\"1\",\"BAY 2\"\r\n"
    "\"MS\",\"A\",\"3\",\"3000\",\"1500\",\"1\",\"BAY 3\"\r\n"
    "\"MS\",\"A\",\"2.0\",\"1200\",\"800\",\"\",\"scrap\"\r\n"
    "\"SS\",\"A\",\"2\",\"900\",\"900\",\"1\",\"BAY 5\"\r\n"
    "\"MS\",\"A\",\"2\",\"4000\",\"2000\",\"1\",\"BAY 7\"\r\n";

TEST_F(RollImport, TakesTheFirstBlockOfTheMaterialWithoutScrapOrOtherGrades) {
  WriteFile("mlm.dat", kLibrary);
  const std::vector<LibraryRoll> expected{{"2500", "1250", "4", "BAY 1"},
                                          {"1200", "800", "", "scrap"}};
  EXPECT_EQ(FindLibraryRolls("MS", "A", 2.0f), expected);
  EXPECT_TRUE(FindLibraryRolls("ms", "A", 2.0f).empty());
}

}  // namespace
}  // namespace trimora
