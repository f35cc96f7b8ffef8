// The locale mappings of the conversions: width and kana through LCMapStringA.
#include "editor/conversions_win.h"

#include <climits>

#include "resources/ids.h"

bool LocaleMapText(int id, std::string_view in, std::string& out) {
  DWORD flags = 0;
  switch (id) {
    case ID_CONV_HALFWIDTH: flags = LCMAP_HALFWIDTH; break;
    case ID_CONV_FULLWIDTH: flags = LCMAP_FULLWIDTH; break;
    case ID_CONV_KATAKANA: flags = LCMAP_KATAKANA; break;
    case ID_CONV_HIRAGANA: flags = LCMAP_HIRAGANA; break;
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
