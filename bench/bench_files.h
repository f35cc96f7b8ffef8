#pragma once
// Whole-file reading and writing for the benchmark helpers that time the
// program's path against command-line tools on the same files.
#include <cstdint>
#include <cstdio>
#include <string>

#include <sys/mman.h>

inline bool ReadAll(const char* path, std::string& out) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  bool ok = std::fseek(f, 0, SEEK_END) == 0;
  const long n = ok ? std::ftell(f) : -1;
  ok = ok && n >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
  const size_t size = n > 0 ? static_cast<size_t>(n) : 0;
  out.reserve(size);
#ifdef MADV_HUGEPAGE
  // Large pages for the file buffer, as an editor loading big files would ask
  // for: otherwise the page faults of 100 MB of fresh memory dominate.
  uintptr_t first = (reinterpret_cast<uintptr_t>(out.data()) + 4095) & ~uintptr_t(4095);
  if (size > (2u << 20)) madvise(reinterpret_cast<void*>(first), size - 4096, MADV_HUGEPAGE);
#endif
  out.resize(size);
  ok = ok && std::fread(out.data(), 1, out.size(), f) == out.size();
  std::fclose(f);
  return ok;
}

inline bool WriteAll(const char* path, const std::string& bytes) {
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}
