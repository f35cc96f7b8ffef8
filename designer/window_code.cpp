#include "designer/window_code.h"

#include "designer/code_context.h"
#include "lang/text_fold.h"

Background BackgroundOf(int32_t bgColor, size_t bitmapCount) {
  Background b;
  if (bgColor == kBgColor3DFace) {
    b.kind = BackgroundKind::kFace;
  } else if (bgColor == kBgColorWhite) {
    b.kind = BackgroundKind::kWhite;
  } else if (bgColor == 0) {
    b.kind = BackgroundKind::kBlack;
  } else if (bgColor < 1) {
    b.kind = BackgroundKind::kSolid;
    b.colour = -static_cast<int64_t>(bgColor);
  } else if (bgColor >= kBgColorFirstBitmap) {
    b.bitmap = BackgroundBitmapIndex(bgColor, bitmapCount);
    b.kind = b.bitmap >= 0 ? BackgroundKind::kBitmap : BackgroundKind::kFace;
  } else {
    b.kind = BackgroundKind::kNone;
  }
  return b;
}

const HandlerIndex& CodeContext::HandlersOf(size_t window) const {
  static const HandlerIndex kNone;
  return window < handlers.size() ? handlers[window] : kNone;
}

const MenuDef* CodeContext::MenuOf(const WindowDef& window) const {
  if (!window.menuId) return nullptr;
  const int i = FindMenuDef(project, *window.menuId);
  return i >= 0 ? &project.menus[static_cast<size_t>(i)] : nullptr;
}

const ResourceEntry* CodeContext::IconOf(const WindowDef& window) const {
  return window.iconId ? FindResourceEntry(project.icons, *window.iconId) : nullptr;
}

std::string MenuVariable(const MenuDef& menu) {
  // Through the same filter as any other record text, so that the nested
  // variables built from it match.
  CodeBuilder name;
  name.Raw("hMenu_").Name(menu.idName.value_or(std::string()));
  return name.Take();
}

const ResourceEntry* FindResourceEntry(const ResourceList& list, std::string_view name) {
  for (const ResourceEntry& e : list) {
    if (lang::EqualsNoCase(e.idName, name)) return &e;
  }
  return nullptr;
}

WindowCode GenerateWindowCode(const ProjectState& project, const std::vector<HandlerIndex>& handlers) {
  const CodeContext ctx{project, handlers};
  size_t controls = 0;
  for (const WindowDef& w : project.windows) controls += w.controls.size();
  WindowCode code;
  CodeBuilder callback;
  callback.Reserve(4096 + controls * 400 + project.windows.size() * 1500);
  AppendCallbackFile(callback, ctx);
  code.callback = callback.Take();
  CodeBuilder makeWindow;
  makeWindow.Reserve(512 + project.windows.size() * 600);
  AppendMakeWindowFile(makeWindow, ctx);
  code.makeWindow = makeWindow.Take();
  return code;
}

std::vector<HandlerIndex> ScanProjectHandlers(const ProjectState& project, const WindowSourceText& source) {
  std::vector<HandlerIndex> handlers;
  handlers.reserve(project.windows.size());
  std::string text;
  for (const WindowDef& w : project.windows) {
    text.clear();
    handlers.push_back(source(w, text) ? ScanHandlers(w, project.menus, text) : HandlerIndex());
  }
  return handlers;
}

WindowCode GenerateWindowCode(const ProjectState& project, const WindowSourceText& source) {
  return GenerateWindowCode(project, ScanProjectHandlers(project, source));
}
