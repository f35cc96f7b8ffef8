#include "project/window_file.h"

#include "project/control_text.h"
#include "project/line_text.h"

namespace {

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  AppendLineSafe(out, text);
  out += '"';
}

void AppendControl(std::string& out, const ControlDef& c) {
  out += "    ITEM      = ";
  AppendLineSafe(out, c.name);
  for (int32_t v : {c.x, c.y, c.cx, c.cy}) {
    out += ',';
    AppendDecimal(out, v);
  }
  out += ",\"";
  AppendEscapedControlText(out, c.text);
  out += "\",";
  AppendHex8(out, c.style);
  out += ',';
  AppendHex8(out, c.exStyle);
  out += ',';
  AppendDecimal(out, static_cast<int32_t>(c.controlType));
  if (c.controlType == ControlType::kImageBox) {
    out += ',';
    AppendDecimal(out, c.imageType);
    out += ',';
    AppendQuoted(out, c.imagePath);
  }
  AppendCrLf(out);
}

void AppendWindow(std::string& out, const WindowDef& w) {
  out += "WINDOW:";
  AppendLineSafe(out, w.name);
  out += "\r\n    HANDLE    = ";
  AppendLineSafe(out, w.handleName);
  out += "\r\n    POINT     = ";
  AppendDecimal(out, w.x);
  out += ',';
  AppendDecimal(out, w.y);
  out += "\r\n    SIZE      = ";
  AppendDecimal(out, w.cx);
  out += ',';
  AppendDecimal(out, w.cy);
  out += "\r\n    CAPTION   = ";
  AppendQuoted(out, w.caption);
  out += "\r\n    STYLE     = ";
  AppendHex8(out, w.style);
  out += "\r\n    EXSTYLE   = ";
  AppendHex8(out, w.exStyle);
  if (w.menuId) {
    out += "\r\n    MENUID    = ";
    AppendLineSafe(out, *w.menuId);
  }
  out += "\r\n    ID        = ";
  AppendDecimal(out, w.id);
  out += "\r\n    BGCOLOR   = ";
  AppendDecimal(out, w.bgColor);
  out += "\r\n    FONT      = ";
  const LOGFONTA& f = w.font;
  for (int32_t v : {f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight}) {
    AppendDecimal(out, v);
    out += ',';
  }
  for (uint8_t v : {f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision,
                    f.lfQuality, f.lfPitchAndFamily}) {
    AppendDecimal(out, v);
    out += ',';
  }
  AppendQuoted(out, FaceName(f));
  if (w.iconId) {
    out += "\r\n    ICONID    = ";
    AppendLineSafe(out, *w.iconId);
  }
  out += "\r\n    CLASS     = ";
  AppendQuoted(out, w.className);
  out += "\r\n    CALLBACK  = ";
  AppendLineSafe(out, w.callbackName);
  out += "\r\n    TYPE      = ";
  AppendDecimal(out, static_cast<int32_t>(w.windowType));
  out += "\r\n    FILEPATH  = ";
  AppendLineSafe(out, w.filePath);
  AppendCrLf(out);
  for (const auto& c : w.controls) AppendControl(out, c);
  out += "END\r\n";
}

void AppendMenuItems(std::string& out, const std::vector<MenuItemDef>& items, int depth) {
  const std::string indent(static_cast<size_t>(depth) * 4, ' ');
  for (const auto& item : items) {
    if (item.isPopup) {
      out += indent;
      out += "POPUP     = ";
      AppendQuoted(out, item.caption.value_or(std::string()));
      out += ',';
      AppendDecimal(out, item.state);
      AppendCrLf(out);
      AppendMenuItems(out, item.children, depth + 1);
      out += indent;
      out += "END\r\n";
    } else if (item.kind == MenuItemKind::kSeparator) {
      out += indent;
      out += "SEPARATOR\r\n";
    } else if (item.kind == MenuItemKind::kCommand) {
      out += indent;
      out += "ITEM      = ";
      AppendLineSafe(out, item.idName.value_or(std::string()));
      out += ',';
      AppendQuoted(out, item.caption.value_or(std::string()));
      out += ',';
      AppendDecimal(out, item.state);
      AppendCrLf(out);
    }
  }
}

}  // namespace

std::string BuildWindowFile(const std::vector<WindowDef>& windows, const std::vector<MenuDef>& menus) {
  std::string out;
  size_t estimate = 0;
  for (const auto& w : windows) estimate += 600 + w.controls.size() * 110;
  out.reserve(estimate + menus.size() * 400);
  for (const auto& w : windows) AppendWindow(out, w);
  for (const auto& m : menus) {
    out += "MENU:";
    AppendLineSafe(out, m.idName.value_or(std::string()));
    AppendCrLf(out);
    AppendMenuItems(out, m.children, 1);
    out += "END\r\n";
  }
  return out;
}
