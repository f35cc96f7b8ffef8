#pragma once
// The one settings record of the process: every key of editor.ini plus the
// companion lists. Loaded at start-up, saved at shutdown.
#include <array>
#include <string>
#include <vector>

#include "platform/win_types.h"
#include "search/find_history.h"

struct ExtensionEntry {
  int associate = 0;        // register the program for this extension
  std::string extension;    // without the dot, at most 63 bytes
  std::string description;  // at most 254 bytes
  int searchable = 0;       // let Windows search index it as text
  COLORREF tabColour = 0xE6E6E6;
};

// Per extension the tab colour, description and association flags; extensions
// are unique without regard to case.
using ExtensionColourList = std::vector<ExtensionEntry>;

struct WebDomain {
  std::string name;
  std::string domain;
};

struct History {
  static constexpr int kCapacity = 14;
  static constexpr size_t kMaxPath = 259;
  int menuBaseId = 0;            // 100 files, 200 projects
  std::vector<std::string> paths;  // newest first
};

struct RebarBand {
  int id = 0;     // 0 ends the list
  int width = 0;
  int flags = 0;  // 1 = starts a new row
};

struct EditorSettings {
  RECT WindowRect{0, 0, 0, 0};
  int IsWindowMax = 0;
  int Project_SaveCheck = 0;
  int Rad_LineAdjust = 1;
  RECT ProjectViewRect{0, 0, 0, 0};
  int IsClipProjectView = 1;
  int width_ClipProjectView = 200;
  int height_ClipDebuggerView = 180;
  int height_ClipCompileView = 130;
  int width_WebSearchView = 230;
  std::array<RebarBand, 5> RebarBands{};
  int IsNoGripper = 0;
  int IsSaveTabToHead = 0;
  LOGFONTA EditorFont{};
  int TabSize = 4;
  int IsShowLineNumber = 1;
  int IsShowRuler = 1;
  int IsCaretLine_BackGround = 1;
  int MaxOneLineTextLength = 75;
  int IsShowComplementWnd = 1;
  int BackNum_PairStatementComplement = 100;
  int ParameterHint = 1;
  LOGFONTA HintFont{};
  int IsSaveFindStr = 1;
  int IsAutoIndent = 1;
  int IsRightTurn = 0;
  int IsCtrlKeyHyperLink = 1;
  int IsSaveWebFindStr = 1;
  int IsMDIZoomed = 0;
  std::string DefSaveDir;
  std::string ProjectSaveDir;
  int IsFindStrBigSmall = 0;
  int IsRegExp = 0;
  std::string LinkFile;
  std::string ActiveTheme;
  LOGFONTA PrintFont{};
  int PrintFontPointSize = 72;
  int IsShowPageNum = 1;
  std::string PageStr;

  ExtensionColourList extensions;
  std::vector<WebDomain> domains;
  History fileHistory{100, {}};
  History projectHistory{200, {}};
  SearchHistory findHistory{};
  SearchHistory replaceHistory{};
  SearchHistory webHistory{};
};
