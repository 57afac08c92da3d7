#pragma once
// Every fuzz target reads its input from files in a private working folder, as the program
// reads its tables, made once per run.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace trimora::fuzz {

inline void EnterPrivateFolder() {
  static bool entered = false;
  if (entered) return;
  char pattern[] = "/tmp/trimora-fuzz-XXXXXX";
  if (!::mkdtemp(pattern) || ::chdir(pattern) != 0) ::abort();
  entered = true;
}

inline void WriteInput(const char* name, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(name, "wb");
  if (!file) ::abort();
  if (size) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

}  // namespace trimora::fuzz
