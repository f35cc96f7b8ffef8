#pragma once
// The files a second instance hands to the running one (WM_COPYDATA): the
// sender's program directory, then each full path, every one ended by a NUL
// byte. An instance takes only requests of its own program directory, so
// copies installed elsewhere (with their own settings) stay apart.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The COPYDATASTRUCT tag of an open request ("QOPN").
constexpr unsigned long kOpenRequestTag = 0x514F504E;
// Paths longer than this are refused (the program's paths hold at most 259 bytes).
constexpr size_t kOpenRequestMaxPath = 259;
constexpr size_t kOpenRequestMaxPaths = 255;

std::string BuildOpenRequest(const std::string& programDir, const std::vector<std::string>& paths);

struct OpenRequest {
  std::string programDir;
  std::vector<std::string> paths;
};
// False for anything the builder does not make: no final NUL, an empty or
// over-long field, no paths, too many of them.
bool ParseOpenRequest(std::string_view data, OpenRequest& request);
