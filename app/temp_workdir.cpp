#include "app/temp_workdir.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace trimora {

namespace fs = std::filesystem;

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
  std::error_code ec;
  if (ok_) fs::current_path(previous_, ec);
  if (!dir_.empty()) fs::remove_all(dir_, ec);
}

}  // namespace trimora
