#pragma once
// A private temporary working directory: the job's table files are unpacked there, never into
// the user's current directory. Entering it makes it the working directory; leaving restores
// the previous one and removes the folder with everything in it.

#include <filesystem>
#include <string>

namespace trimora {

class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  TempWorkDir(const TempWorkDir&) = delete;
  TempWorkDir& operator=(const TempWorkDir&) = delete;

  // False when the folder could not be made or entered; error says why.
  bool ok() const { return ok_; }
  const std::string& error() const { return error_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path dir_;
  bool ok_ = false;
  std::string error_;
};

}  // namespace trimora
