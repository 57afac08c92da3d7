#include "shell/launcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>

#include "main_window_fixture.h"
#include "shell/single_instance_check.h"
#include "shell/working_directory.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class LauncherTest : public testing::MainWindowTest {
 protected:
  LauncherTest() : folder(QString::fromStdString(std::filesystem::current_path().string())) {}
  QString folder;
};

TEST_F(LauncherTest, ButtonsOfTheModulesThatExist) {
  TRIMORA launcher(folder, services);
  EXPECT_EQ(launcher.cmd()[0]->text(), "Base Module");
  EXPECT_EQ(launcher.cmd()[7]->toolTip(), "Close TRIMORA Suite");
  EXPECT_EQ(launcher.cmd()[2]->toolTip(), "Material Library Manager");
  EXPECT_TRUE(launcher.cmd()[0]->isEnabled());
  for (size_t index : {2, 3, 4, 5}) EXPECT_TRUE(launcher.cmd()[index]->isEnabled());
  EXPECT_EQ(launcher.cmd()[5]->toolTip(), "Modify Settings");
  EXPECT_EQ(launcher.cmd()[1], nullptr);
}

TEST_F(LauncherTest, HiddenWhileTheMainWindowIsOpen) {
  TRIMORA launcher(folder, services);
  launcher.show();
  launcher.cmd()[0]->click();
  ASSERT_NE(launcher.MainWindow(), nullptr);
  EXPECT_FALSE(launcher.isVisible());
  EXPECT_TRUE(launcher.MainWindow()->isVisible());
  launcher.MainWindow()->close();
  EXPECT_TRUE(launcher.isVisible());
}

TEST_F(LauncherTest, ExitDeletesTheTemporaryFiles) {
  TRIMORA launcher(QDir::tempPath(), services);  // the launcher makes its folder current
  EXPECT_EQ(QDir::currentPath(), QDir(QDir::tempPath()).canonicalPath());
  QDir::setCurrent(folder);
  for (const char* name : {"cut.tlf", "MLM.TLF", "dia.tlf", "sheets.Adj", "Defaults", "a.trm"}) {
    WriteFile(name, "x");
  }
  launcher.cmd_Click(7);
  EXPECT_FALSE(std::filesystem::exists("cut.tlf"));
  EXPECT_FALSE(std::filesystem::exists("MLM.TLF"));
  EXPECT_FALSE(std::filesystem::exists("sheets.Adj"));
  EXPECT_TRUE(std::filesystem::exists("Defaults"));
  EXPECT_TRUE(std::filesystem::exists("a.trm"));
}

TEST(WorkingDirectory, ChosenByOptionThenProgramFolderThenAppData) {
  QTemporaryDir program;
  EXPECT_EQ(ChooseWorkingDirectory({"trimora", "--workdir", program.path()}, "/", "/data"),
            program.path());
  EXPECT_EQ(ChooseWorkingDirectory({"trimora"}, program.path(), "/data"), program.path());
  EXPECT_EQ(ChooseWorkingDirectory({"trimora"}, "/no/such/folder", "/data"), "/data");
  EXPECT_EQ(WorkdirArgument({"trimora", "--workdir"}), "");
}

// A new folder and an existing empty one get the seed files; a file already there is kept.
TEST(WorkingDirectory, AFolderGetsTheSeedFilesItLacks) {
  QTemporaryDir base;
  const QStringList seeds = {base.filePath("seed/Defaults"), base.filePath("seed/dia.set")};
  QDir(base.path()).mkpath("seed");
  WriteFile(seeds[0].toStdString(), "[BASIC.TLF]\r\n[END]\r\n");
  WriteFile(seeds[1].toStdString(), "1\r\n");
  const QString created = base.filePath("work/data");
  ASSERT_TRUE(PrepareWorkingDirectory(created, seeds));
  EXPECT_EQ(ReadFile((created + "/Defaults").toStdString()), "[BASIC.TLF]\r\n[END]\r\n");
  EXPECT_EQ(ReadFile((created + "/dia.set").toStdString()), "1\r\n");

  const QString existing = base.filePath("existing");
  QDir(base.path()).mkpath("existing");
  WriteFile((existing + "/Defaults").toStdString(), "mine");
  ASSERT_TRUE(PrepareWorkingDirectory(existing, seeds));
  EXPECT_EQ(ReadFile((existing + "/Defaults").toStdString()), "mine");
  EXPECT_EQ(ReadFile((existing + "/dia.set").toStdString()), "1\r\n");
}

TEST(SingleInstanceCheck, SecondCopyIsToldAndRefused) {
  QTemporaryDir folder;
  ScriptedDialogService dialogs;
  SingleInstanceLock first("Trimora", folder.path());
  EXPECT_TRUE(IsFirstCopy(first, dialogs));
  SingleInstanceLock second("Trimora", folder.path());
  dialogs.QueueAnswer(MessageAnswer::Ok);
  EXPECT_FALSE(IsFirstCopy(second, dialogs));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0], (Message{"Trimora is already running", "Trimora",
                                            MessageButtons::Ok, MessageIcon::Information}));
}

}  // namespace
}  // namespace trimora
