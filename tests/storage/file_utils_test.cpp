#include "storage/file_utils.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

class FileUtils : public testing::InWorkDir {};

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

}  // namespace
}  // namespace trimora
