#pragma once
// Window and menu definitions of a project: the records the designer, the menu
// editor and the code generator work on, and the `.wnd` file keeps.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win_types.h"
#include "project/control_types.h"
#include "project/tree_item.h"

struct ControlDef {
  std::string name;  // unique within its window; the name of its ID constant
  int32_t x = 0, y = 0;
  int32_t cx = kMinControlWidth, cy = kMinControlHeight;
  std::string text;
  uint32_t style = 0;
  uint32_t exStyle = 0;
  ControlType controlType = ControlType::kCommandButton;
  int32_t imageType = 0;  // ImageBox only: 0 file, 1 resource
  std::string imagePath;  // ImageBox only; empty = none
};

enum class WindowType : int32_t { kWindow = 0, kModalDialog = 1, kModelessDialog = 3 };
// The type of a stored number; false for any other value.
bool WindowTypeFromNumber(int32_t number, WindowType& type);

// bgColor values with a meaning of their own.
constexpr int32_t kBgColor3DFace = 15;
constexpr int32_t kBgColorWhite = -16777215;  // 0xFF000001
constexpr int32_t kBgColorFirstBitmap = 4096;

struct WindowDef {
  std::string name;
  std::string handleName;  // global variable holding the window handle
  int32_t x = -1, y = -1;
  int32_t cx = 480, cy = 360;
  std::string caption;
  uint32_t style = 0x00CF0000;
  uint32_t exStyle = 0;
  std::optional<std::string> menuId;  // name of a MenuDef
  int32_t id = 0;
  int32_t bgColor = kBgColor3DFace;
  LOGFONTA font{};
  std::optional<std::string> iconId;  // ID name of a project icon
  std::string className = "NORMAL";
  std::string callbackName;  // window procedure
  WindowType windowType = WindowType::kModalDialog;
  std::string filePath;  // the window's own source, relative to the project directory
  std::vector<ControlDef> controls;
  HTREEITEM treeItem = nullptr;
};

// The font every new window starts with: -12, 0, 0, 0, 400, 0, 0, 0, 128, 3,
// 2, 1, 32, "ＭＳ Ｐゴシック".
LOGFONTA DefaultWindowFont();
// The face name of a LOGFONT as a string (it may fill all 32 bytes unterminated).
std::string FaceName(const LOGFONTA& font);
// Stores at most 31 bytes of the name without splitting a double-byte character.
void SetFaceName(LOGFONTA& font, std::string_view name);

// A new definition as the new-window dialog makes it.
WindowDef MakeNewWindowDef(const std::string& name, const std::string& handleName,
                           const std::string& callbackName, WindowType type);

// The index of the project bitmap a background names, or -1 when bgColor names
// no bitmap or one past the end of the list.
int BackgroundBitmapIndex(int32_t bgColor, size_t bitmapCount);

enum class MenuItemKind : int32_t { kCommand = 0, kSeparator = 0x800 };

// One node of a menu tree. A popup is an item whose children are present
// (`isPopup`), possibly none of them.
struct MenuItemDef {
  std::optional<std::string> idName;   // command ID constant; for a MenuDef the menu's name
  std::optional<std::string> caption;  // none for separators
  MenuItemKind kind = MenuItemKind::kCommand;
  int32_t state = 0;  // 0x8 checked, 0x3 grayed
  bool isPopup = false;
  std::vector<MenuItemDef> children;
  HTREEITEM treeItem = nullptr;  // MenuDef only
};

// A menu is the root of its item tree: idName holds its name, its children
// are the menu bar entries.
using MenuDef = MenuItemDef;

MenuDef MakeNewMenuDef(const std::string& name);
// Deepest popup nesting the readers accept.
constexpr int kMaxMenuDepth = 32;
