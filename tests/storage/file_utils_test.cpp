#include "storage/file_utils.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

class FileUtils : public testing::InWorkDir {};

TEST_F(FileUtils, ExistsAndEmpty) {
  WriteFile("empty.tlf", "");
  WriteFile("full.tlf", "x\r\n");
  std::filesystem::create_directory("folder");
  EXPECT_TRUE(FileExists("empty.tlf"));
  EXPECT_FALSE(FileExists("missing.tlf"));
  EXPECT_FALSE(FileExists("folder"));
  EXPECT_TRUE(IsFileEmpty("empty.tlf"));
  EXPECT_TRUE(IsFileEmpty("missing.tlf"));
  EXPECT_FALSE(IsFileEmpty("full.tlf"));
}

TEST_F(FileUtils, DeleteFilesMatchesWildcardsWithoutRegardToCase) {
  for (const char* name : {"basic.tlf", "CUT.TLF", "sheets.Adj", "Defaults", "mlm.dat"}) {
    WriteFile(name, "x");
  }
  DeleteFiles("*.tlf");
  DeleteFiles("*.adj");
  DeleteFiles("nothing-matches.*");
  EXPECT_FALSE(FileExists("CUT.TLF") || FileExists("sheets.Adj"));
  EXPECT_TRUE(FileExists("Defaults") && FileExists("mlm.dat"));
}

TEST(WildcardMatch, StarAndQuestionMark) {
  EXPECT_TRUE(WildcardMatch("*.tlf", "dia.tlf"));
  EXPECT_TRUE(WildcardMatch("d?a.*", "DIA.TLF"));
  EXPECT_TRUE(WildcardMatch("*", "anything"));
  EXPECT_FALSE(WildcardMatch("*.tlf", "dia.tlf.bak"));
  EXPECT_FALSE(WildcardMatch("?.tlf", "ab.tlf"));
}

TEST(FileNameFromPath, PartAfterTheLastSeparator) {
  EXPECT_EQ(FileNameFromPath("C:\\Jobs\\2024\\KITCHEN.trm"), "KITCHEN.trm");
  EXPECT_EQ(FileNameFromPath("/home/user/jobs/kitchen.trm"), "kitchen.trm");
  EXPECT_EQ(FileNameFromPath("kitchen.trm"), "kitchen.trm");
  EXPECT_EQ(FileNameFromPath("C:\\Jobs\\"), "");
}

}  // namespace
}  // namespace trimora
