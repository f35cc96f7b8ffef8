#pragma once
// Win32 scalar types for core records. On Windows these are the real ones; on
// the host they are plain equivalents so that the core builds and is tested
// without <windows.h>.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdint>
typedef uint32_t COLORREF;
typedef uint32_t DWORD;
typedef struct HWND__* HWND;
typedef struct HICON__* HICON;
typedef struct HFONT__* HFONT;
typedef struct HMENU__* HMENU;
typedef struct HBITMAP__* HBITMAP;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct RECT { int32_t left, top, right, bottom; };
#define RGB(r, g, b) ((COLORREF)(((uint8_t)(r) | ((uint16_t)((uint8_t)(g)) << 8)) | (((uint32_t)(uint8_t)(b)) << 16)))
#define GetRValue(c) ((uint8_t)(c))
#define GetGValue(c) ((uint8_t)((c) >> 8))
#define GetBValue(c) ((uint8_t)((c) >> 16))
#define LF_FACESIZE 32
struct LOGFONTA {
  int32_t lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
  uint8_t lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision,
      lfQuality, lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};
#endif
