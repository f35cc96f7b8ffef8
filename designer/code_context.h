#pragma once
// What the parts of the window code generator share: the project, the
// handlers of each window, and the look-ups that tie the records together.
#include <cstdint>
#include <string>
#include <vector>

#include "designer/code_text.h"
#include "designer/handler_scan.h"
#include "project/project_state.h"

enum class BackgroundKind { kFace, kWhite, kBlack, kSolid, kBitmap, kNone };

struct Background {
  BackgroundKind kind = BackgroundKind::kFace;
  int64_t colour = 0;  // kSolid: the COLORREF
  int bitmap = -1;     // kBitmap: index into the project's bitmaps
};

// A bitmap index past the end of the list counts as the default colour.
Background BackgroundOf(int32_t bgColor, size_t bitmapCount);
inline bool HasOwnBrush(const Background& b) {
  return b.kind == BackgroundKind::kSolid || b.kind == BackgroundKind::kBitmap;
}

struct CodeContext {
  const ProjectState& project;
  const std::vector<HandlerIndex>& handlers;

  const HandlerIndex& HandlersOf(size_t window) const;
  // The menu a window shows, or nullptr (names compared without regard to case).
  const MenuDef* MenuOf(const WindowDef& window) const;
  // The project icon of a window's iconId, or nullptr when it names none.
  const ResourceEntry* IconOf(const WindowDef& window) const;
};

// The entry of a list whose ID name is `name` (any letter case), or nullptr.
const ResourceEntry* FindResourceEntry(const ResourceList& list, std::string_view name);

// "hMenu_" and the menu's name: the variable that holds the built menu.
std::string MenuVariable(const MenuDef& menu);

// "Function EventCall_..." ... "End Function" of window `index`.
void AppendWindowProcedure(CodeBuilder& out, const CodeContext& ctx, size_t index);
// The creation lines of a window's controls inside its Create block.
void AppendControlCreation(CodeBuilder& out, const CodeContext& ctx, const WindowDef& window,
                           std::string_view indent);
void AppendCallbackFile(CodeBuilder& out, const CodeContext& ctx);
void AppendMakeWindowFile(CodeBuilder& out, const CodeContext& ctx);

// The first line of both files.
constexpr const char kGeneratedHeader[] = "'このファイルはウィンドウ定義ファイル（*.wnd）をもとに生成されています";
