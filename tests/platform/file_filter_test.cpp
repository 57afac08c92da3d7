#include "platform/file_filter.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(FileFilter, ANameWithoutExtensionGetsTheFirstPatternsOne) {
  EXPECT_EQ(ParseFileFilter("Jobs|*.trm|All files|*.*"),
            (std::vector<FileFilterEntry>{{"Jobs", "*.trm"}, {"All files", "*.*"}}));
  const std::string trm = DefaultExtension("*.trm|*.trm");
  EXPECT_EQ(trm, "trm");
  EXPECT_EQ(DefaultExtension("All|*.*"), "");
  EXPECT_EQ(DefaultExtension("Jobs|*.trm;*.txt"), "");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil 12", trm), "/jobs/coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("C:\\Jobs\\Coil 12", trm), "C:\\Jobs\\Coil 12.trm");
  EXPECT_EQ(WithDefaultExtension("/jobs/coil.txt", trm), "/jobs/coil.txt");
  EXPECT_EQ(WithDefaultExtension("/jobs.old/coil", trm), "/jobs.old/coil.trm");  // a folder's dot
}

}  // namespace
}  // namespace trimora
