#include "shell/launcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>

#include "main_window_fixture.h"
#include "results/label_sheet.h"
#include "results/labels_window.h"
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

TEST_F(LauncherTest, StepsAsideWhileTheMainWindowIsOpenAndComesBackInItsPlace) {
  TRIMORA launcher(folder, services);
  launcher.show();
  const QPoint place = launcher.pos();
  launcher.findChild<QPushButton*>("baseModuleButton")->click();
  ASSERT_NE(launcher.MainWindow(), nullptr);
  EXPECT_TRUE(launcher.isMinimized());
  EXPECT_FALSE(launcher.isEnabled());  // its Exit would drop the open job unasked
  EXPECT_TRUE(launcher.MainWindow()->isVisible());
  launcher.MainWindow()->close();
  EXPECT_FALSE(launcher.isMinimized());
  EXPECT_TRUE(launcher.isEnabled());
  EXPECT_EQ(launcher.pos(), place);
}

// trimora JOB.trm: the main window opens with the job.
TEST_F(LauncherTest, AJobNamedOnTheCommandLineOpensInTheMainWindow) {
  WriteFile("cuts.trm",
            "[BASIC.TLF]\r\n\"AL\",\"\",\"2\",\"1300\",\"\",\"3\",\"\"\r\n[END]\r\n"
            "[OPTIONS.TLF]\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n\"600\",\"300\",\"7\","
            "\"0\",\"DOOR\",\"\",\"\"\r\n[END]\r\n");
  TRIMORA launcher(folder, services);
  dialogs.QueueAnswer(MessageAnswer::Ok);  // "This file was not optimized."
  launcher.OpenJob(folder + "/cuts.trm");
  BaseModule* main = launcher.MainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->windowTitle().endsWith("cuts.trm")) << main->windowTitle().toStdString();
  EXPECT_EQ(ReadFile("cut.tlf"), "\"600\",\"300\",\"7\",\"0\",\"DOOR\",\"\",\"\"\r\n");
}

TEST_F(LauncherTest, ExitDeletesTheTemporaryFiles) {
  TRIMORA launcher(QDir::tempPath(), services);  // the launcher makes its folder current
  EXPECT_EQ(QDir::currentPath(), QDir(QDir::tempPath()).canonicalPath());
  QDir::setCurrent(folder);
  for (const char* name : {"cut.tlf", "MLM.TLF", "dia.tlf", "sheets.Adj", "Defaults", "a.trm"})
    WriteFile(name, "x");
  launcher.findChild<QPushButton*>("exitButton")->click();
  for (const char* name : {"cut.tlf", "MLM.TLF", "sheets.Adj"})
    EXPECT_FALSE(std::filesystem::exists(name)) << name;
  EXPECT_TRUE(std::filesystem::exists("Defaults"));  // the user's own files stay
  EXPECT_TRUE(std::filesystem::exists("a.trm"));
}

TEST_F(LauncherTest, OpensEachLibraryOnce) {
  TRIMORA launcher(folder, services);
  launcher.findChild<QPushButton*>("stockButton")->click();
  MLM* library = launcher.MaterialLibrary();
  ASSERT_NE(library, nullptr);
  launcher.findChild<QPushButton*>("stockButton")->click();
  EXPECT_EQ(launcher.MaterialLibrary(), library);
  launcher.findChild<QPushButton*>("productLibraryButton")->click();
  launcher.findChild<QPushButton*>("loadProductsButton")->click();
  EXPECT_NE(launcher.ProductLibrary(), nullptr);
  EXPECT_NE(launcher.ProductLoader(), nullptr);
}

TEST_F(LauncherTest, TheLabelsButtonEditsOneLabelDefinition) {
  WriteFile("lbl.def", "\"2\",\"1\",\"30\",\"0\",\"1\"\r\n\"9\",\"9\",\"9\",\"9\",\"9\"\r\n");
  TRIMORA launcher(folder, services);
  launcher.findChild<QPushButton*>("labelsButton")->click();
  LABELS* labels = launcher.LabelDefinition();
  ASSERT_NE(labels, nullptr);
  testing::TypeInto(*labels, 1, 1, "3");
  EXPECT_EQ(labels->grid().RowCount(), 2);  // one definition, and typing adds no second one
  dialogs.QueueAnswer(MessageAnswer::Ok);
  QTest::mouseClick(labels->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back().text, kLabelsOutOfRangeMessage);  // 23 labels a row
  EXPECT_TRUE(labels->isVisible());
  EXPECT_EQ(ReadFile("lbl.def"),
            "\"2\",\"1\",\"30\",\"0\",\"1\"\r\n\"9\",\"9\",\"9\",\"9\",\"9\"\r\n");
  testing::TypeInto(*labels, 1, 1, "\b");
  QTest::mouseClick(labels->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
  EXPECT_FALSE(labels->isVisible());
  EXPECT_EQ(ReadFile("lbl.def"), "\"2\",\"1\",\"30\",\"0\",\"1\"\r\n");
}

TEST(WorkingDirectory, ChosenByOptionThenProgramFolderThenAppData) {
  QTemporaryDir program;
  EXPECT_EQ(ChooseWorkingDirectory(program.path(), "/", "/data"), program.path());
  EXPECT_EQ(ChooseWorkingDirectory("", program.path(), "/data"), program.path());
  EXPECT_EQ(ChooseWorkingDirectory("", "/no/such/folder", "/data"), "/data");
  // Installed: bin/ beside share/trimora with the samples; the user's folder, never bin/.
  QDir(program.path()).mkpath("bin");
  QDir(program.path()).mkpath("share/trimora");
  WriteFile(program.filePath("share/trimora/Defaults").toStdString(), "");
  EXPECT_EQ(InstalledSampleFolder(program.filePath("bin")), program.filePath("share/trimora"));
  EXPECT_EQ(ChooseWorkingDirectory("", program.filePath("bin"), "/data"), "/data");
}

// A new folder and an existing one get the seed files they lack, writable by their user and
// readable by the others, though the seeds are read-only; a file already there is kept.
TEST(WorkingDirectory, AFolderGetsTheSeedFilesItLacks) {
  QTemporaryDir base;
  QDir(base.path()).mkpath("seed");
  QDir(base.path()).mkpath("existing");
  const QStringList seeds = {base.filePath("seed/Defaults"), base.filePath("seed/dia.set")};
  WriteFile(seeds[0].toStdString(), "[BASIC.TLF]\r\n[END]\r\n");
  WriteFile(seeds[1].toStdString(), "1\r\n");
  QFile::setPermissions(seeds[0], QFile::ReadOwner);
  WriteFile(base.filePath("existing/Defaults").toStdString(), "mine");
  for (const QString& folder : {base.filePath("work/data"), base.filePath("existing")}) {
    ASSERT_TRUE(PrepareWorkingDirectory(folder, seeds));
    EXPECT_EQ(ReadFile((folder + "/dia.set").toStdString()), "1\r\n");
  }
  EXPECT_EQ(ReadFile(base.filePath("work/data/Defaults").toStdString()),
            "[BASIC.TLF]\r\n[END]\r\n");
  EXPECT_TRUE(QFileInfo(base.filePath("work/data/Defaults"))
                  .permissions()
                  .testFlags(QFile::WriteOwner | QFile::ReadOther));
  EXPECT_EQ(ReadFile(base.filePath("existing/Defaults").toStdString()), "mine");
}

}  // namespace
}  // namespace trimora
