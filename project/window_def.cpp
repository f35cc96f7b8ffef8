#include "project/window_def.h"

#include <cstring>

#include "files/paths.h"

bool WindowTypeFromNumber(int32_t number, WindowType& type) {
  switch (number) {
    case 0: type = WindowType::kWindow; return true;
    case 1: type = WindowType::kModalDialog; return true;
    case 3: type = WindowType::kModelessDialog; return true;
    default: return false;
  }
}

LOGFONTA DefaultWindowFont() {
  LOGFONTA f{};
  f.lfHeight = -12;
  f.lfWeight = 400;
  f.lfCharSet = 128;
  f.lfOutPrecision = 3;
  f.lfClipPrecision = 2;
  f.lfQuality = 1;
  f.lfPitchAndFamily = 32;
  SetFaceName(f, "ＭＳ Ｐゴシック");
  return f;
}

std::string FaceName(const LOGFONTA& font) {
  return std::string(font.lfFaceName, strnlen(font.lfFaceName, sizeof font.lfFaceName));
}

void SetFaceName(LOGFONTA& font, std::string_view name) {
  std::string_view cut = TruncateSjis(name, sizeof font.lfFaceName - 1);
  std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
  std::memcpy(font.lfFaceName, cut.data(), cut.size());
}

WindowDef MakeNewWindowDef(const std::string& name, const std::string& handleName,
                           const std::string& callbackName, WindowType type) {
  WindowDef w;
  w.name = name;
  w.handleName = handleName;
  w.caption = name;
  w.style = type == WindowType::kWindow ? 0x00CF0000u : 0x00C80000u;
  w.font = DefaultWindowFont();
  w.callbackName = callbackName;
  w.windowType = type;
  w.filePath = name + ".sbp";
  return w;
}

int BackgroundBitmapIndex(int32_t bgColor, size_t bitmapCount) {
  if (bgColor < kBgColorFirstBitmap) return -1;
  const int64_t index = static_cast<int64_t>(bgColor) - kBgColorFirstBitmap;
  return index < static_cast<int64_t>(bitmapCount) ? static_cast<int>(index) : -1;
}

MenuDef MakeNewMenuDef(const std::string& name) {
  MenuDef m;
  m.idName = name;
  m.isPopup = true;
  return m;
}
