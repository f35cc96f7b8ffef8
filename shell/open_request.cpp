#include "shell/open_request.h"

#include <iterator>

std::string BuildOpenRequest(const std::string& programDir, const std::vector<std::string>& paths) {
  std::string data = programDir;
  data += '\0';
  for (const std::string& p : paths) {
    data += p;
    data += '\0';
  }
  return data;
}

bool ParseOpenRequest(std::string_view data, OpenRequest& request) {
  request = OpenRequest();
  if (data.empty() || data.back() != '\0') return false;
  std::vector<std::string> fields;
  for (size_t start = 0; start < data.size();) {
    const size_t end = data.find('\0', start);
    if (end == start || end - start > kOpenRequestMaxPath) return false;
    if (fields.size() > kOpenRequestMaxPaths) return false;
    fields.emplace_back(data.substr(start, end - start));
    start = end + 1;
  }
  if (fields.size() < 2) return false;
  request.programDir = std::move(fields.front());
  request.paths.assign(std::make_move_iterator(fields.begin() + 1), std::make_move_iterator(fields.end()));
  return true;
}
