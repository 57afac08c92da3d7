#pragma once
// Every test that touches files runs in a fresh temporary working directory of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace trimora::testing {

class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

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
// The fields as a table file writes a record: each in double quotes, CR LF after the last.
std::string QuotedLine(const std::vector<std::string>& fields);
// The pages of a PDF file: its "/Type /Page" objects, not the "/Type /Pages" tree.
int PdfPages(const std::string& path);

}  // namespace trimora::testing
