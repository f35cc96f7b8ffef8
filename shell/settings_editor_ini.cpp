#include "shell/settings_editor_ini.h"

#include <cstdint>
#include <cstdio>

#include "files/paths.h"
#include "shell/settings_keys.h"

namespace {

enum class KeyKind { Int, Rect, Bands, Font, String };

struct KeySpec {
  const char* key;
  KeyKind kind;
  int EditorSettings::*intField;
  int def;     // editor.ini exists but lacks the key
  int noFile;  // editor.ini does not exist
  RECT EditorSettings::*rectField;
  LOGFONTA EditorSettings::*fontField;
  std::string EditorSettings::*stringField;
  size_t maxBytes;
};

constexpr KeySpec Int(const char* key, int EditorSettings::*field, int def, int noFile) {
  return {key, KeyKind::Int, field, def, noFile, nullptr, nullptr, nullptr, 0};
}
constexpr KeySpec Rect(const char* key, RECT EditorSettings::*field) {
  return {key, KeyKind::Rect, nullptr, 0, 0, field, nullptr, nullptr, 0};
}
constexpr KeySpec Font(const char* key, LOGFONTA EditorSettings::*field) {
  return {key, KeyKind::Font, nullptr, 0, 0, nullptr, field, nullptr, 0};
}
constexpr KeySpec Str(const char* key, std::string EditorSettings::*field, size_t maxBytes) {
  return {key, KeyKind::String, nullptr, 0, 0, nullptr, nullptr, field, maxBytes};
}
constexpr KeySpec Bands() { return {"RebarBand", KeyKind::Bands, nullptr, 0, 0, nullptr, nullptr, nullptr, 0}; }

using S = EditorSettings;
const KeySpec kKeys[] = {
    Rect("WindowRect", &S::WindowRect),
    Int("IsWindowMax", &S::IsWindowMax, 0, 1),
    Int("Project_SaveCheck", &S::Project_SaveCheck, 0, 0),
    Int("Rad_LineAdjust", &S::Rad_LineAdjust, 1, 1),
    Rect("ProjectViewRect", &S::ProjectViewRect),
    Int("IsClipProjectView", &S::IsClipProjectView, 1, 1),
    Int("width_ClipProjectView", &S::width_ClipProjectView, 200, 200),
    Int("height_ClipDebuggerView", &S::height_ClipDebuggerView, 180, 180),
    Int("height_ClipCompileView", &S::height_ClipCompileView, 130, 130),
    Int("width_WebSearchView", &S::width_WebSearchView, 230, 230),
    Bands(),
    Int("IsNoGripper", &S::IsNoGripper, 0, 1),
    Int("IsSaveTabToHead", &S::IsSaveTabToHead, 0, 0),
    Font("EditorFont", &S::EditorFont),
    Int("TabSize", &S::TabSize, 4, 4),
    Int("IsShowLineNumber", &S::IsShowLineNumber, 1, 1),
    Int("IsShowRuler", &S::IsShowRuler, 1, 1),
    Int("IsCaretLine_BackGround", &S::IsCaretLine_BackGround, 1, 1),
    Int("MaxOneLineTextLength", &S::MaxOneLineTextLength, 75, 75),
    Int("IsShowComplementWnd", &S::IsShowComplementWnd, 1, 0),
    Int("BackNum_PairStatementComplement", &S::BackNum_PairStatementComplement, 100, 100),
    Int("ParameterHint", &S::ParameterHint, 1, 1),
    Font("HintFont", &S::HintFont),
    Int("IsSaveFindStr", &S::IsSaveFindStr, 1, 1),
    Int("IsAutoIndent", &S::IsAutoIndent, 1, 1),
    Int("IsRightTurn", &S::IsRightTurn, 0, 0),
    Int("IsCtrlKeyHyperLink", &S::IsCtrlKeyHyperLink, 1, 1),
    Int("IsSaveWebFindStr", &S::IsSaveWebFindStr, 1, 1),
    Int("IsMDIZoomed", &S::IsMDIZoomed, 0, 1),
    Str("DefSaveDir", &S::DefSaveDir, kMaxDirBytes),
    Str("ProjectSaveDir", &S::ProjectSaveDir, kMaxDirBytes),
    Int("IsFindStrBigSmall", &S::IsFindStrBigSmall, 0, 0),
    Int("IsRegExp", &S::IsRegExp, 0, 0),
    Str("LinkFile", &S::LinkFile, kMaxNameBytes),
    Str("ActiveTheme", &S::ActiveTheme, kMaxNameBytes),
    Font("PrintFont", &S::PrintFont),
    Int("PrintFontPointSize", &S::PrintFontPointSize, 72, 72),
    Int("IsShowPageNum", &S::IsShowPageNum, 1, 1),
    Str("PageStr", &S::PageStr, kMaxNameBytes),
};

std::string BandKey(int index) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "RebarBand%d", index);
  return buf;
}

int Scaled(int value, int numerator) {
  return static_cast<int>(static_cast<int64_t>(value) * numerator / 10);
}

}  // namespace

RECT DefaultWindowRect(int screenWidth, int screenHeight) {
  // The top is taken from the width as well: the frame's traditional place.
  return RECT{Scaled(screenWidth, 1), Scaled(screenWidth, 1), Scaled(screenWidth, 8),
              Scaled(screenHeight, 8)};
}

RECT DefaultProjectViewRect(const RECT& w) {
  return RECT{w.right - 270, w.top + 60, w.right - 5, w.top + 380};
}

bool IsUnusableRect(const RECT& r, int screenWidth, int screenHeight) {
  int64_t width = static_cast<int64_t>(r.right) - r.left;
  int64_t height = static_cast<int64_t>(r.bottom) - r.top;
  return r.right <= 0 || r.left >= screenWidth || r.bottom <= 0 || r.top >= screenHeight || width < 10 ||
         height < 10;
}

std::array<RebarBand, 5> DefaultRebarBands() {
  return {RebarBand{1, 150, 0}, RebarBand{2, 277, 0}, RebarBand{5, 100, 0}, RebarBand{0, 0, 0},
          RebarBand{0, 0, 0}};
}

void SetEditorIniDefaults(EditorSettings& s, const SettingsDefaultsEnv& env, bool noFile) {
  for (const KeySpec& k : kKeys) {
    if (k.kind == KeyKind::Int) s.*k.intField = noFile ? k.noFile : k.def;
  }
  s.WindowRect = DefaultWindowRect(env.screenWidth, env.screenHeight);
  s.ProjectViewRect = DefaultProjectViewRect(s.WindowRect);
  s.RebarBands = DefaultRebarBands();
  s.EditorFont = MakeLogFont(-19, 0, 0, 0, 400, 0, 0, 0, 128, 1, 2, 1, 1, "FixedSys");
  s.HintFont = MakeLogFont(-12, 0, 0, 0, 100, 0, 0, 0, 0, 1, 2, 1, 2, "ＭＳ Ｐゴシック");
  s.PrintFont = MakeLogFont(0, 0, 0, 0, 400, 0, 0, 0, 128, 1, 2, 1, 1, "ＭＳ ゴシック");
  s.DefSaveDir.assign(TruncateSjis(env.programDir, kMaxDirBytes));
  s.ProjectSaveDir.assign(TruncateSjis(env.programDir + "MyProjects", kMaxDirBytes));
  s.LinkFile.clear();
  s.ActiveTheme = "クラシック";
  s.PageStr = "ページ &n";
}

std::string BuildEditorIni(const EditorSettings& s) {
  std::string out;
  out.reserve(4096);
  for (const KeySpec& k : kKeys) {
    switch (k.kind) {
      case KeyKind::Int:
        AppendIniInt(out, k.key, s.*k.intField);
        break;
      case KeyKind::Rect:
        AppendIniRect(out, k.key, s.*k.rectField);
        break;
      case KeyKind::Bands:
        for (int i = 0; i < static_cast<int>(s.RebarBands.size()); ++i) {
          AppendIniBand(out, BandKey(i), s.RebarBands[i]);
        }
        break;
      case KeyKind::Font:
        AppendIniFont(out, k.key, s.*k.fontField);
        break;
      case KeyKind::String: {
        if (k.stringField == &S::LinkFile) {
          AppendIniString(out, k.key, "ok");
          break;
        }
        AppendIniString(out, k.key, SingleLine(s.*k.stringField));
        break;
      }
    }
  }
  return out;
}

bool ParseEditorIni(std::string_view text, EditorSettings& s, const SettingsDefaultsEnv& env) {
  SetEditorIniDefaults(s, env, false);
  bool haveLinkFile = false;
  for (const KeySpec& k : kKeys) {
    switch (k.kind) {
      case KeyKind::Int:
        if (!ReadIniInt(text, k.key, s.*k.intField)) s.*k.intField = k.def;
        break;
      case KeyKind::Rect:
        ReadIniRect(text, k.key, s.*k.rectField);
        if (k.rectField == &S::WindowRect) {
          // A frame without size cannot be seen or grabbed.
          if (s.WindowRect.right - static_cast<int64_t>(s.WindowRect.left) < 10 ||
              s.WindowRect.bottom - static_cast<int64_t>(s.WindowRect.top) < 10) {
            s.WindowRect = DefaultWindowRect(env.screenWidth, env.screenHeight);
          }
          s.ProjectViewRect = DefaultProjectViewRect(s.WindowRect);
        } else if (IsUnusableRect(s.ProjectViewRect, env.screenWidth, env.screenHeight)) {
          s.ProjectViewRect = DefaultProjectViewRect(s.WindowRect);
        }
        break;
      case KeyKind::Bands: {
        std::array<RebarBand, 5> bands{};
        bool all = true;
        for (int i = 0; i < static_cast<int>(bands.size()) && all; ++i) {
          all = ReadIniBand(text, BandKey(i), bands[i]);
        }
        if (all) {
          s.RebarBands = bands;
        } else {
          s.RebarBands = DefaultRebarBands();
          s.IsNoGripper = 1;  // the IsNoGripper key that follows decides in the end
        }
        break;
      }
      case KeyKind::Font:
        ReadIniFont(text, k.key, s.*k.fontField);
        break;
      case KeyKind::String:
        if (ReadIniString(text, k.key, k.maxBytes, s.*k.stringField) && k.stringField == &S::LinkFile) {
          haveLinkFile = true;
        }
        break;
    }
  }
  return haveLinkFile;
}
