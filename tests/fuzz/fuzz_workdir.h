#pragma once
// Every fuzz target reads its input from files in a private working folder, as the program
// reads its tables, made once per run and removed when the run ends.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace trimora::fuzz {

inline char privateFolder[] = "/tmp/trimora-fuzz-XXXXXX";

inline void EnterPrivateFolder() {
  static bool entered = false;
  if (entered) return;
  if (!::mkdtemp(privateFolder) || ::chdir(privateFolder) != 0) ::abort();
  std::atexit([] { std::filesystem::remove_all(privateFolder); });
  entered = true;
}

inline void WriteInput(const char* name, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(name, "wb");
  if (!file) ::abort();
  if (size) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

}  // namespace trimora::fuzz
