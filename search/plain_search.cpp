#include "search/plain_search.h"

#include "ancillar/regex/sjis_find.h"

int PlainSearch(const char* text, int len, int from, std::string_view needle, bool matchCase) {
  if (!text || needle.empty() || from < 0 || len <= from) return -1;
  const auto* base = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* hit =
      SjisFindLiteral(base + from, base + len, reinterpret_cast<const unsigned char*>(needle.data()),
                      needle.size(), !matchCase, true);
  return hit ? static_cast<int>(hit - base) : -1;
}
