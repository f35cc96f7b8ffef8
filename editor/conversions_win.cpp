// The locale mappings of the conversions: width and kana through LCMapStringA.
#include "editor/conversions_win.h"

#include <climits>


bool LocaleMapText(Conversion conversion, std::string_view in, std::string& out) {
  DWORD flags = 0;
  switch (conversion) {
    case Conversion::kHalfWidth: flags = LCMAP_HALFWIDTH; break;
    case Conversion::kFullWidth: flags = LCMAP_FULLWIDTH; break;
    case Conversion::kKatakana: flags = LCMAP_KATAKANA; break;
    case Conversion::kHiragana: flags = LCMAP_HIRAGANA; break;
    default: return false;
  }
  out.clear();
  if (in.empty()) return true;
  if (in.size() > static_cast<size_t>(INT_MAX)) return false;
  const int inLength = static_cast<int>(in.size());
  // The mapping can grow the text (half-width to full-width doubles it): ask first.
  const int needed = LCMapStringA(LOCALE_USER_DEFAULT, flags, in.data(), inLength, nullptr, 0);
  if (needed <= 0) return false;
  out.resize(static_cast<size_t>(needed));
  const int written = LCMapStringA(LOCALE_USER_DEFAULT, flags, in.data(), inLength, out.data(), needed);
  if (written <= 0) {
    out.clear();
    return false;
  }
  out.resize(static_cast<size_t>(written));
  return true;
}
