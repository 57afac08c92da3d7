#include "platform/file_filter.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(FileFilter, ParsesDescriptionPatternPairs) {
  EXPECT_EQ(ParseFileFilter("*.trm|*.trm"), (std::vector<FileFilterEntry>{{"*.trm", "*.trm"}}));
  EXPECT_EQ(ParseFileFilter("Jobs|*.trm|All files|*.*"),
            (std::vector<FileFilterEntry>{{"Jobs", "*.trm"}, {"All files", "*.*"}}));
  EXPECT_EQ(ParseFileFilter("*.adj"), (std::vector<FileFilterEntry>{{"*.adj", "*.adj"}}));
  EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST(FileFilter, DefaultExtensionIsTheFirstPatternsSingleExtension) {
  EXPECT_EQ(DefaultExtension("*.trm|*.trm"), "trm");
  EXPECT_EQ(DefaultExtension("Off-cuts|*.Adj|All|*.*"), "Adj");
  EXPECT_EQ(DefaultExtension("All|*.*"), "");
  EXPECT_EQ(DefaultExtension("All|*"), "");
  EXPECT_EQ(DefaultExtension("Jobs|*.trm;*.txt"), "");
  EXPECT_EQ(DefaultExtension(""), "");
}

TEST(FileFilter, NameTypedWithoutExtensionGetsTrm) {
  const std::string trm = DefaultExtension("*.trm|*.trm");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil 12", trm), "/jobs/coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("C:\\Jobs\\Coil 12", trm), "C:\\Jobs\\Coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("job", trm), "job.trm");
}

TEST(FileFilter, NameWithAnExtensionKeepsIt) {
  EXPECT_EQ(WithDefaultExtension("/jobs/coil 12.trm", "trm"), "/jobs/coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil.txt", "trm"), "/jobs/coil.txt");
  // A dot in a folder name is not the file's extension.
  EXPECT_EQ(WithDefaultExtension("/jobs.old/coil", "trm"), "/jobs.old/coil.trm");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil", ""), "/jobs/coil");
}

}  // namespace
}  // namespace trimora
