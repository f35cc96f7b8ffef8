#include "designer/handler_scan.h"

#include "designer/menu_commands.h"
#include "designer/procedure_lines.h"
#include "lang/text_fold.h"

namespace {

const ControlDef* FindControl(const WindowDef& window, std::string_view name) {
  for (const ControlDef& c : window.controls) {
    if (lang::EqualsNoCase(c.name, name)) return &c;
  }
  return nullptr;
}

const MenuItemDef* FindMenuCommand(const MenuItemDef& menu, std::string_view idName) {
  for (const MenuItemDef& item : menu.children) {
    if (item.isPopup) {
      if (const MenuItemDef* found = FindMenuCommand(item, idName)) return found;
    } else if (IsMenuCommand(item) && lang::EqualsNoCase(*item.idName, idName)) {
      return &item;
    }
  }
  return nullptr;
}

const MenuItemDef* FindMenuCommand(const std::vector<MenuDef>& menus, std::string_view idName) {
  for (const MenuDef& menu : menus) {
    if (const MenuItemDef* found = FindMenuCommand(menu, idName)) return found;
  }
  return nullptr;
}

void AddControlEvent(HandlerIndex& index, const std::string& name, int32_t type, std::string_view event) {
  for (ControlHandlers& entry : index.controlEvents) {
    if ((entry.type == kMenuHandlerType) == (type == kMenuHandlerType) && entry.name == name) {
      entry.events.emplace_back(event);
      return;
    }
  }
  index.controlEvents.push_back(ControlHandlers{name, type, {std::string(event)}});
}

void ScanSub(const WindowDef& window, const std::vector<MenuDef>& menus, std::string_view text,
             const ProcedureLine& line, HandlerIndex& index) {
  const size_t prefixEnd = line.namePos + window.name.size();
  if (!StartsWithNoCase(text, line.namePos, window.name) || prefixEnd >= text.size() || text[prefixEnd] != '_') return;
  const size_t start = prefixEnd + 1;
  const std::string_view rest = text.substr(start, HandlerNameEnd(text, start) - start);
  if (rest.empty()) return;
  const size_t cut = rest.rfind('_');
  if (cut == std::string_view::npos) {
    index.windowEvents.emplace_back(rest);
    return;
  }
  const std::string_view owner = rest.substr(0, cut);
  const std::string_view event = rest.substr(cut + 1);
  if (lang::EqualsNoCase(event, "MenuClick")) {
    if (const MenuItemDef* item = FindMenuCommand(menus, owner)) {
      AddControlEvent(index, *item->idName, kMenuHandlerType, event);
    }
    return;
  }
  if (const ControlDef* control = FindControl(window, owner)) {
    AddControlEvent(index, control->name, static_cast<int32_t>(control->controlType), event);
  }
}

}  // namespace

HandlerIndex ScanHandlers(const WindowDef& window, const std::vector<MenuDef>& menus, std::string_view sourceText) {
  HandlerIndex index;
  for (const ProcedureLine& line : FindProcedureLines(sourceText)) {
    if (line.keyword == ProcedureKeyword::kSub) {
      ScanSub(window, menus, sourceText, line, index);
      continue;
    }
    const std::string_view proc = window.callbackName;
    const size_t end = line.namePos + proc.size();
    if (!proc.empty() && StartsWithNoCase(sourceText, line.namePos, proc) && end < sourceText.size() &&
        (lang::IsBlank(static_cast<unsigned char>(sourceText[end])) || sourceText[end] == '(')) {
      index.ownProcedure = true;
    }
  }
  return index;
}
