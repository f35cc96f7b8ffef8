#include "shell/fonts_win.h"

#include <cstring>

#include "shell/app_win.h"

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

}  // namespace

void CreateAppFonts() {
  AppFonts& f = g_app.fonts;
  LOGFONTA hint = g_app.settings.HintFont;
  f.HintFont.reset(CreateFontIndirectA(&hint));
  hint.lfWeight = 700;
  f.HintBoldFont.reset(CreateFontIndirectA(&hint));
  f.UiFont.reset(MakeFont("ＭＳ Ｐゴシック", -12, 400, SHIFTJIS_CHARSET));
  f.SmallFixedFont.reset(MakeFont("ＭＳ ゴシック", -10, 400, SHIFTJIS_CHARSET));
  f.CodeBoldFont.reset(MakeFont("Courier New", -11, 700, ANSI_CHARSET));
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    f.MenuFont.reset(CreateFontIndirectA(&metrics.lfMenuFont));
  else
    f.MenuFont.reset(MakeFont("ＭＳ Ｐゴシック", -12, 400, SHIFTJIS_CHARSET));
}
