#include "shell/fonts_win.h"

#include <cstring>

#include "shell/app.h"

namespace {

HFONT MakeFont(const char* face, int height, int weight, BYTE charset) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = 1;
  lf.lfClipPrecision = 2;
  lf.lfQuality = 1;
  lf.lfPitchAndFamily = 2;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

void DeleteFontHandle(HFONT& font) {
  if (font) DeleteObject(font);
  font = nullptr;
}

}  // namespace

void CreateAppFonts() {
  AppFonts& f = g_app.fonts;
  LOGFONTA hint = g_app.settings.HintFont;
  f.HintFont = CreateFontIndirectA(&hint);
  hint.lfWeight = 700;
  f.HintBoldFont = CreateFontIndirectA(&hint);
  f.UiFont = MakeFont("ＭＳ Ｐゴシック", -12, 400, SHIFTJIS_CHARSET);
  f.SmallFixedFont = MakeFont("ＭＳ ゴシック", -10, 400, SHIFTJIS_CHARSET);
  f.CodeBoldFont = MakeFont("Courier New", -11, 700, ANSI_CHARSET);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    f.MenuFont = CreateFontIndirectA(&metrics.lfMenuFont);
  else
    f.MenuFont = MakeFont("ＭＳ Ｐゴシック", -12, 400, SHIFTJIS_CHARSET);
}

void DeleteAppFonts() {
  AppFonts& f = g_app.fonts;
  DeleteFontHandle(f.UiFont);
  DeleteFontHandle(f.SmallFixedFont);
  DeleteFontHandle(f.CodeBoldFont);
  DeleteFontHandle(f.HintFont);
  DeleteFontHandle(f.HintBoldFont);
  DeleteFontHandle(f.MenuFont);
}
