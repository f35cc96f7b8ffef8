#include "project/window_file.h"

#include "project/control_text.h"
#include "project/line_text.h"

namespace {

std::string_view TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return s.substr(i);
}

// "KEY<blanks>= value": the key and the value after "= ".
bool SplitKeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  size_t end = 0;
  while (end < line.size() && line[end] != ' ' && line[end] != '=') ++end;
  key = line.substr(0, end);
  size_t i = end;
  while (i < line.size() && line[i] == ' ') ++i;
  if (key.empty() || i >= line.size() || line[i] != '=') return false;
  ++i;
  if (i < line.size() && line[i] == ' ') ++i;
  value = line.substr(i);
  return true;
}

// The text between a leading and a trailing double quote.
bool Unquote(std::string_view value, std::string_view& inner) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return false;
  inner = value.substr(1, value.size() - 2);
  return true;
}

bool NextInt(std::string_view& rest, int32_t& value) { return TakeInt32Field(rest, value); }
bool NextHex(std::string_view& rest, uint32_t& value) { return TakeHex32Field(rest, value); }

bool ParsePair(std::string_view value, int32_t& a, int32_t& b) {
  return NextInt(value, a) && ParseInt32(value, b);
}

bool ParseFont(std::string_view value, LOGFONTA& f) {
  int32_t n[13];
  for (int32_t& v : n) {
    if (!NextInt(value, v)) return false;
  }
  for (int k = 5; k < 13; ++k) {
    if (n[k] < 0 || n[k] > 255) return false;
  }
  std::string_view face;
  if (!Unquote(value, face)) return false;
  f = LOGFONTA{};
  f.lfHeight = n[0];
  f.lfWidth = n[1];
  f.lfEscapement = n[2];
  f.lfOrientation = n[3];
  f.lfWeight = n[4];
  uint8_t* bytes[] = {&f.lfItalic, &f.lfUnderline, &f.lfStrikeOut, &f.lfCharSet,
                      &f.lfOutPrecision, &f.lfClipPrecision, &f.lfQuality, &f.lfPitchAndFamily};
  for (int k = 0; k < 8; ++k) *bytes[k] = static_cast<uint8_t>(n[5 + k]);
  SetFaceName(f, face);
  return true;
}

// name,x,y,cx,cy,"text",&Hstyle,&Hexstyle,type[,imageType,"path"]. The
// escaped text holds no double quote, so the first one after it closes it.
const char* ParseControl(std::string_view rest, ControlDef& c) {
  std::string_view name;
  if (!SplitAt(rest, ',', name)) return "コントロールの行が正しくありません";
  c.name = std::string(name);
  if (!NextInt(rest, c.x) || !NextInt(rest, c.y) || !NextInt(rest, c.cx) || !NextInt(rest, c.cy)) {
    return "コントロールの位置か大きさが正しくありません";
  }
  if (rest.empty() || rest[0] != '"') return "コントロールのテキストが引用符で囲まれていません";
  size_t close = rest.find('"', 1);
  if (close == std::string_view::npos) return "コントロールのテキストが閉じていません";
  c.text = UnescapeControlText(rest.substr(1, close - 1));
  rest.remove_prefix(close + 1);
  if (rest.empty() || rest[0] != ',') return "コントロールの行が正しくありません";
  rest.remove_prefix(1);
  if (!NextHex(rest, c.style) || !NextHex(rest, c.exStyle)) return "コントロールのスタイルが正しくありません";
  std::string_view type = rest;
  const bool hasTail = SplitAt(rest, ',', type);
  int32_t code = 0;
  if (!ParseInt32(type, code) || !FindControlType(code)) return "コントロールの種類が正しくありません";
  c.controlType = static_cast<ControlType>(code);
  if (!hasTail) return nullptr;
  if (c.controlType != ControlType::kImageBox) return "イメージ ボックス以外のコントロールに画像の指定があります";
  std::string_view path;
  if (!NextInt(rest, c.imageType) || !Unquote(rest, path)) return "イメージ ボックスの画像の指定が正しくありません";
  c.imagePath = std::string(path);
  return nullptr;
}

const char* ParseWindowKey(std::string_view key, std::string_view value, WindowDef& w) {
  std::string_view inner;
  if (key == "ITEM") {  // by far the most frequent key
    w.controls.emplace_back();
    return ParseControl(value, w.controls.back());
  }
  if (key == "HANDLE") {
    w.handleName = std::string(value);
  } else if (key == "POINT") {
    if (!ParsePair(value, w.x, w.y)) return "位置が正しくありません";
  } else if (key == "SIZE") {
    if (!ParsePair(value, w.cx, w.cy)) return "大きさが正しくありません";
  } else if (key == "CAPTION") {
    if (!Unquote(value, inner)) return "キャプションが引用符で囲まれていません";
    w.caption = std::string(inner);
  } else if (key == "STYLE") {
    if (!ParseHex32(value, w.style)) return "スタイルが正しくありません";
  } else if (key == "EXSTYLE") {
    if (!ParseHex32(value, w.exStyle)) return "スタイルが正しくありません";
  } else if (key == "MENUID") {
    w.menuId = std::string(value);
  } else if (key == "ID") {
    if (!ParseInt32(value, w.id)) return "数値が正しくありません";
  } else if (key == "BGCOLOR") {
    if (!ParseInt32(value, w.bgColor)) return "数値が正しくありません";
  } else if (key == "FONT") {
    if (!ParseFont(value, w.font)) return "フォントの指定が正しくありません";
  } else if (key == "ICONID") {
    w.iconId = std::string(value);
  } else if (key == "CLASS") {
    if (!Unquote(value, inner)) return "クラス名が引用符で囲まれていません";
    w.className = std::string(inner);
  } else if (key == "CALLBACK") {
    w.callbackName = std::string(value);
  } else if (key == "TYPE") {
    int32_t type = 0;
    if (!ParseInt32(value, type) || !WindowTypeFromNumber(type, w.windowType)) {
      return "ウィンドウの種類が正しくありません";
    }
  } else if (key == "FILEPATH") {
    w.filePath = std::string(value);
  } else {
    return "不明なキーです";
  }
  return nullptr;
}

// `"caption",state` of POPUP and ITEM lines; the caption is not escaped, so
// the state is found from the end.
bool ParseCaptionState(std::string_view value, MenuItemDef& item) {
  size_t comma = value.rfind(',');
  std::string_view caption;
  if (comma == std::string_view::npos || !Unquote(value.substr(0, comma), caption)) return false;
  if (!ParseInt32(value.substr(comma + 1), item.state)) return false;
  item.caption = std::string(caption);
  return true;
}

const char* ParseMenuLine(std::string_view line, std::vector<std::vector<MenuItemDef>*>& open) {
  std::vector<MenuItemDef>& items = *open.back();
  if (line == "SEPARATOR") {
    items.emplace_back();
    items.back().kind = MenuItemKind::kSeparator;
    return nullptr;
  }
  std::string_view key, value;
  if (!SplitKeyLine(line, key, value)) return "メニューの行が正しくありません";
  MenuItemDef item;
  if (key == "POPUP") {
    if (!ParseCaptionState(value, item)) return "ポップアップの指定が正しくありません";
    if (static_cast<int>(open.size()) > kMaxMenuDepth) return "メニューの階層が深すぎます";
    item.isPopup = true;
    items.push_back(std::move(item));
    open.push_back(&items.back().children);
    return nullptr;
  }
  if (key != "ITEM") return "不明なキーです";
  std::string_view id;
  if (!SplitAt(value, ',', id) || !ParseCaptionState(value, item)) return "メニュー項目の指定が正しくありません";
  item.idName = std::string(id);
  items.push_back(std::move(item));
  return nullptr;
}

}  // namespace

ReadResult ReadWindowFile(std::string_view bytes, std::string_view fileName, std::vector<WindowDef>& windows,
                          std::vector<MenuDef>& menus) {
  if (HoldsNul(bytes)) return FormatError(fileName, 0, "NUL 文字が含まれています");
  std::vector<WindowDef> newWindows;
  std::vector<MenuDef> newMenus;
  WindowDef* window = nullptr;
  // The item lists of the menu being read and of its open popups, innermost last.
  std::vector<std::vector<MenuItemDef>*> open;
  LineCursor lines(bytes);
  std::string_view raw;
  while (lines.Next(raw)) {
    const std::string_view line = TrimLeft(raw);
    const char* fault = nullptr;
    if (line.empty()) continue;
    if (window) {
      std::string_view key, value;
      if (line == "END") {
        window = nullptr;
      } else if (!SplitKeyLine(line, key, value)) {
        fault = "ウィンドウの行が正しくありません";
      } else {
        fault = ParseWindowKey(key, value, *window);
      }
    } else if (!open.empty()) {
      if (line == "END") {
        open.pop_back();
      } else {
        fault = ParseMenuLine(line, open);
      }
    } else if (line.substr(0, 7) == "WINDOW:") {
      newWindows.push_back(MakeNewWindowDef(std::string(line.substr(7)), std::string(), std::string(),
                                            WindowType::kModalDialog));
      window = &newWindows.back();
      window->controls.reserve(16);
    } else if (line.substr(0, 5) == "MENU:") {
      newMenus.push_back(MakeNewMenuDef(std::string(line.substr(5))));
      open.push_back(&newMenus.back().children);
    } else {
      fault = "WINDOW: か MENU: で始まる行がありません";
    }
    if (fault) return FormatError(fileName, lines.LineNumber(), fault);
  }
  if (window || !open.empty()) return FormatError(fileName, lines.LineNumber(), "END がありません");
  windows = std::move(newWindows);
  menus = std::move(newMenus);
  return ReadResult();
}
