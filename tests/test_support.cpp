#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>

namespace trimora::testing {

namespace fs = std::filesystem;

ScopedWorkDir::ScopedWorkDir() : previous_(fs::current_path()) {
  std::string pattern = (fs::temp_directory_path() / "trimora-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  dir_ = pattern;
  fs::current_path(dir_);
}

ScopedWorkDir::~ScopedWorkDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(dir_, ec);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

std::string QuotedLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
  return line + "\r\n";
}

int PdfPages(const std::string& path) {
  const std::string pdf = ReadFile(path);
  const std::regex page("/Type\\s*/Page(?!s)");
  return int(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}));
}

}  // namespace trimora::testing
