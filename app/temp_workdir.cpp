#include "app/temp_workdir.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace trimora {

namespace fs = std::filesystem;

namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The folder to remove when a signal ends the program. Written before the handlers are set.
char folderToRemove[PATH_MAX];

// Only async-signal-safe calls: a child removes the folder, then the signal ends the program
// as it would have without the handler.
extern "C" void RemoveFolderAndEnd(int signal) {
  const pid_t child = ::fork();
  if (child == 0) {
    char rm[] = "rm", options[] = "-rf", end[] = "--";
    char* argv[] = {rm, options, end, folderToRemove, nullptr};
    ::execv("/bin/rm", argv);
    ::_exit(127);
  }
  if (child > 0) ::waitpid(child, nullptr, 0);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

}  // namespace

TempWorkDir::TempWorkDir() {
  std::error_code ec;
  previous_ = fs::current_path(ec);
  if (ec) {
    error_ = "cannot read the current folder: " + ec.message();
    return;
  }
  const fs::path base = fs::temp_directory_path(ec);
  if (ec) {
    error_ = "no temporary folder: " + ec.message();
    return;
  }
  std::string pattern = (base / "trimora-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    error_ = "cannot create a temporary folder: " + std::string(std::strerror(errno));
    return;
  }
  dir_ = pattern;
  if (pattern.size() < sizeof folderToRemove) {
    std::memcpy(folderToRemove, pattern.c_str(), pattern.size() + 1);
    struct sigaction action {};
    action.sa_handler = RemoveFolderAndEnd;
    sigemptyset(&action.sa_mask);
    for (const int signal : kEndingSignals) sigaction(signal, &action, nullptr);
  }
  fs::current_path(dir_, ec);
  if (ec) {
    error_ = "cannot enter the temporary folder: " + ec.message();
    fs::remove_all(dir_, ec);
    dir_.clear();
    return;
  }
  ok_ = true;
}

TempWorkDir::~TempWorkDir() {
  for (const int signal : kEndingSignals) ::signal(signal, SIG_DFL);
  std::error_code ec;
  if (ok_) fs::current_path(previous_, ec);
  if (!dir_.empty()) fs::remove_all(dir_, ec);
}

}  // namespace trimora
