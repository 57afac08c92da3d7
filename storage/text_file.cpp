#include "storage/text_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace trimora {

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > kLargestTextFile) return std::nullopt;
  // Read by chunks up to the limit, so that a file grown since the check is still refused.
  std::string data;
  data.reserve(size_t(size));
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    data.append(chunk, size_t(in.gcount()));
    if (data.size() > kLargestTextFile) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;

  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string content;
  for (const auto& line : lines) {
    content += line;
    content += "\r\n";
  }
  return content;
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(content.data(), std::streamsize(content.size()));
  out.close();
  return !out.fail();
}

namespace {

bool WriteAndSync(const std::string& path, const std::string& content, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) {
    if (error) *error = std::strerror(errno);
    return false;
  }
  size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (error) *error = std::strerror(n < 0 ? errno : ENOSPC);
      ::close(fd);
      return false;
    }
    written += size_t(n);
  }
  const bool synced = ::fsync(fd) == 0;
  const int syncErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!synced || !closed) {
    if (error) *error = std::strerror(!synced ? syncErrno : errno);
    return false;
  }
  return true;
}

}  // namespace

namespace {

// Temporary files that saves of the same target left when they were killed: named after the
// target, ".new", the process number, "_" and a count, their process no longer runs.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
  namespace fs = std::filesystem;
  const std::string prefix = target.filename().string() + ".new";
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const char* digits = name.c_str() + prefix.size();
    char* rest = nullptr;
    const long pid = std::strtol(digits, &rest, 10);
    if (rest == digits || *rest != '_' || pid <= 0 || pid == ::getpid()) continue;
    if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;  // still running
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
}

}  // namespace

bool CanReplaceFile(const std::string& path, std::string* error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    if (error) *error = "is a folder";
    return false;
  }
  const std::string probe = path + ".new" + std::to_string(::getpid()) + "_probe";
  if (!WriteAndSync(probe, "", error)) return false;
  std::filesystem::remove(probe, ec);
  return true;
}

bool ReplaceFileSafely(const std::string& given, const std::string& content, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Through a symbolic link to the file it names, as editors do: the link stays a link.
  const std::string path =
      fs::is_symlink(given, ec) ? fs::weakly_canonical(given, ec).string() : given;
  if (path.empty()) {
    if (error) *error = ec.message();
    return false;
  }
  const fs::path target(path);
  RemoveStaleTemporaries(target);
  // Keep the permissions of the file being replaced.
  const auto oldStatus = fs::status(target, ec);

  std::string temporary;
  for (int attempt = 0;; ++attempt) {
    temporary = path + ".new" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
    if (!fs::exists(temporary, ec)) break;
  }
  if (!WriteAndSync(temporary, content, error)) {
    fs::remove(temporary, ec);
    return false;
  }
  if (fs::exists(oldStatus)) {
    fs::permissions(temporary, oldStatus.permissions(), ec);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    if (error) *error = std::strerror(errno);
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace trimora
