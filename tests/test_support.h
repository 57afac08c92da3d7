#pragma once
// Every test that touches files runs in a fresh temporary working directory of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace trimora::testing {

class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
};

// A test fixture whose every test runs inside its own ScopedWorkDir.
class InWorkDir : public ::testing::Test {
 private:
  ScopedWorkDir workDir_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

}  // namespace trimora::testing
