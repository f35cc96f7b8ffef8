#include "designer/event_browser.h"

#include "designer/browser_tables.h"
#include "designer/code_text.h"
#include "designer/menu_commands.h"
#include "designer/procedure_lines.h"

namespace {

// Names of handlers are joined from record texts; they pass the same filter
// as in the generated code, so that a stub and its call agree.
std::string HandlerName(std::string_view window, std::string_view middle, std::string_view event) {
  CodeBuilder b;
  b.Name(window).Raw("_");
  if (!middle.empty()) b.Name(middle).Raw("_");
  b.Raw(event);
  return b.Take();
}

BrowserRow RowOf(const BrowserEvent& e, std::string handlerName) {
  return BrowserRow{e.event, e.message, e.description, std::move(handlerName), e.parameters, false};
}

}  // namespace

std::vector<BrowserRow> BrowserRows(const ProjectState& project, const BrowserQuery& query,
                                    std::string_view sourceText) {
  std::vector<BrowserRow> rows;
  if (query.window >= project.windows.size()) return rows;
  const WindowDef& w = project.windows[query.window];
  if (query.control >= 0) {
    if (static_cast<size_t>(query.control) >= w.controls.size()) return rows;
    const ControlDef& c = w.controls[static_cast<size_t>(query.control)];
    for (const BrowserEvent& e : ControlBrowserEvents(c.controlType)) {
      rows.push_back(RowOf(e, HandlerName(w.name, c.name, e.event)));
    }
  } else if (query.mode == BrowserMode::kEvents) {
    for (const BrowserEvent& e : WindowBrowserEvents()) rows.push_back(RowOf(e, HandlerName(w.name, "", e.event)));
  } else if (query.mode == BrowserMode::kMultimedia) {
    const BrowserEvent& e = MultimediaBrowserEvent();
    rows.push_back(RowOf(e, HandlerName(w.name, "", e.event)));
  } else if (query.menu >= 0 && static_cast<size_t>(query.menu) < project.menus.size()) {
    // Command items with an ID only: popups (empty ones too) have none.
    std::vector<const MenuItemDef*> items;
    CollectMenuCommands(project.menus[static_cast<size_t>(query.menu)], items);
    for (const MenuItemDef* item : items) {
      rows.push_back(BrowserRow{*item->idName, "WM_COMMAND", item->caption.value_or(std::string()),
                                HandlerName(w.name, *item->idName, "MenuClick"), "", false});
    }
  }
  if (!rows.empty()) {
    const std::vector<ProcedureLine> lines = FindProcedureLines(sourceText);
    for (const ProcedureLine& line : lines) {
      if (line.keyword != ProcedureKeyword::kSub) continue;
      for (BrowserRow& r : rows) r.exists = r.exists || DeclaresName(sourceText, line, r.handlerName);
    }
  }
  return rows;
}

int InitialBrowserMenu(const ProjectState& project, size_t window) {
  if (window >= project.windows.size() || !project.windows[window].menuId) return -1;
  return FindMenuDef(project, *project.windows[window].menuId);
}

std::string HandlerFieldText(const BrowserRow& row) { return row.handlerName + "(" + row.parameters + ")"; }

bool SourceDeclaresHandler(std::string_view sourceText, std::string_view handlerName) {
  for (const ProcedureLine& line : FindProcedureLines(sourceText)) {
    if (line.keyword == ProcedureKeyword::kSub && DeclaresName(sourceText, line, handlerName)) return true;
  }
  return false;
}

HandlerEdit PlanHandlerEdit(std::string_view sourceText, std::string_view handlerName,
                            std::string_view parameters) {
  HandlerEdit edit;
  for (const ProcedureLine& line : FindProcedureLines(sourceText)) {
    if (line.keyword == ProcedureKeyword::kSub && DeclaresName(sourceText, line, handlerName)) {
      edit.exists = true;
      edit.insertAt = line.keywordPos;
      edit.selStart = line.keywordPos;
      edit.selEnd = line.lineEnd;
      return edit;
    }
  }
  CodeBuilder stub;
  stub.Raw("\r\nSub ").Name(handlerName).Raw("(").Name(parameters).Raw(")");
  const size_t headEnd = stub.Size();
  stub.Raw("\r\n\r\nEnd Sub\r\n");
  edit.insertAt = sourceText.size();
  edit.insertText = stub.Take();
  edit.selStart = edit.insertAt + 2;
  edit.selEnd = edit.insertAt + headEnd;
  return edit;
}

bool DefaultControlHandler(const WindowDef& window, const ControlDef& control, std::string& handlerName) {
  const char* event = nullptr;
  switch (control.controlType) {
    case ControlType::kCommandButton:
    case ControlType::kCheckBox:
    case ControlType::kImageBox:
    case ControlType::kRadioButton:
    case ControlType::kStatic: event = "Click"; break;
    case ControlType::kComboBox: event = "EditChange"; break;
    case ControlType::kEditBox: event = "Change"; break;
    case ControlType::kListBox: event = "SelChange"; break;
    default: return false;
  }
  handlerName = HandlerName(window.name, control.name, event);
  return true;
}
