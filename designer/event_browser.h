#pragma once
// The event browser without its dialog: the rows it lists for a window, a
// control or a menu, which of them the window's source already handles, and
// where a new handler stub goes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "project/project_state.h"

// The dialog's radio buttons: 1363 window and control events, 1364 the
// multimedia notification, 1365 the command items of a menu.
enum class BrowserMode { kEvents, kMultimedia, kMenu };

struct BrowserRow {
  std::string event;        // column "イベント" (a menu item: its ID name)
  std::string message;      // column "対応メッセージ"
  std::string description;  // column "概要" (a menu item: its caption)
  std::string handlerName;
  std::string parameters;  // the stub's parameter list; empty for none
  bool exists = false;     // the source already declares the handler
};

struct BrowserQuery {
  size_t window = 0;        // index into project.windows
  int control = -1;         // the first selected control, or -1 for the window
  BrowserMode mode = BrowserMode::kEvents;  // with a control only kEvents applies
  int menu = -1;            // kMenu: the current menu's index, or -1 for none
};

// The rows the list shows, in display order. A control index or menu index
// out of range gives no rows. sourceText is the window's source (any line
// ends) and decides `exists`.
std::vector<BrowserRow> BrowserRows(const ProjectState& project, const BrowserQuery& query,
                                    std::string_view sourceText);

// The menu current when the dialog opens: the window's menuId menu (any letter
// case), or -1.
int InitialBrowserMenu(const ProjectState& project, size_t window);

// The text field's text for a row: the handler name and "(%s)" of its
// parameters.
std::string HandlerFieldText(const BrowserRow& row);

// Where a handler goes in the window's source (CR LF text). When the source
// declares it already (a Sub line with the name in any letter case, outside
// block comments), the edit is empty and the selection runs from its "Sub" to
// the end of that line. Otherwise the stub is inserted at the end of the text
// and the selection runs from its "Sub" to the closing parenthesis.
struct HandlerEdit {
  bool exists = false;
  size_t insertAt = 0;      // where `insertText` goes (the end of the text)
  std::string insertText;   // empty when the handler exists
  size_t selStart = 0, selEnd = 0;  // in the text after the insertion
};
HandlerEdit PlanHandlerEdit(std::string_view sourceText, std::string_view handlerName,
                            std::string_view parameters);

// Whether the source declares a Sub of that name (any letter case).
bool SourceDeclaresHandler(std::string_view sourceText, std::string_view handlerName);

// The handler a double-click on a control finds or inserts, with an empty
// parameter list; false for types that have no default event.
bool DefaultControlHandler(const WindowDef& window, const ControlDef& control, std::string& handlerName);
