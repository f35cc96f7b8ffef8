// The controls of a window, created inside its Create block, with their font
// and, for an ImageBox that shows an icon or a bitmap, its image.
#include "designer/code_context.h"
#include "platform/sjis.h"

namespace {

// A path with a drive or a double backslash is used as it is; any other is
// relative to the generated program's folder. Walked by character, so that
// the 0x5C second byte of a character such as 表 is no backslash.
bool IsAbsoluteImagePath(std::string_view path) {
  const char* p = path.data();
  const char* end = p + path.size();
  bool afterBackslash = false;
  while (p < end) {
    const int len = SjisCharLen(p, end);
    if (len == 1 && *p == ':') return true;
    const bool backslash = len == 1 && *p == '\\';
    if (backslash && afterBackslash) return true;
    afterBackslash = backslash;
    p += len;
  }
  return false;
}

const char* const kModulePathLines[] = {
    "\tDim ImageFilePath[MAX_PATH] As Byte",
    "\tDim ModulePath[MAX_PATH] As Byte, i As Long",
    "\tGetModuleFileName(GetModuleHandle(0),ModulePath,MAX_PATH)",
    "\tFor i=lstrlen(ModulePath)-1 To 0 Step -1",
    "\t\tIf ModulePath[i]=&H5C Then Exit For",
    "\tNext",
    "\tModulePath[i+1]=0",
};

struct ImageWriter {
  CodeBuilder& out;
  const ProjectState& project;
  const WindowDef& window;
  std::string_view indent;
  bool modulePathWritten = false;

  void Start(const ControlDef& c) {
    out.Raw(indent).Raw("\thImage_").Name(window.name).Raw("_").Name(c.name);
    out.Raw("=LoadImage(GetWindowLong(hWnd,GWL_HINSTANCE) As HINSTANCE,");
  }

  // Writes the load line; false when there is no image to load.
  bool Load(const ControlDef& c, bool icon) {
    const char* type = icon ? ",IMAGE_ICON,0,0," : ",IMAGE_BITMAP,0,0,";
    if (c.imageType == 1) {
      // A name that is no project resource would leave nothing before "As".
      const ResourceEntry* r = FindResourceEntry(icon ? project.icons : project.bitmaps, c.imagePath);
      if (!r) return false;
      Start(c);
      out.Name(r->idName).Raw(" As *Byte").Raw(type).Raw("LR_DEFAULTSIZE)").EndLine();
      return true;
    }
    if (c.imageType != 0) return false;
    if (IsAbsoluteImagePath(c.imagePath)) {
      Start(c);
      out.Quoted(c.imagePath).Raw(type).Raw("LR_DEFAULTSIZE or LR_LOADFROMFILE)").EndLine();
      return true;
    }
    if (!modulePathWritten) {
      out.EndLine();
      for (const char* line : kModulePathLines) out.Raw(indent).Raw(line).EndLine();
      out.EndLine();
      modulePathWritten = true;
    }
    out.Raw(indent).Raw("\twsprintf(ImageFilePath,\"%s").FormatTail(c.imagePath).Raw("\",ModulePath)").EndLine();
    Start(c);
    out.Raw("ImageFilePath").Raw(type).Raw(icon ? "LR_DEFAULTSIZE or LR_LOADFROMFILE)" : "LR_LOADFROMFILE)");
    out.EndLine();
    return true;
  }

  void Write(const ControlDef& c) {
    const ImageBoxKind kind = ImageBoxKindOf(c.style);
    if (kind == ImageBoxKind::kNone) return;
    const bool icon = kind == ImageBoxKind::kIcon;
    if (!Load(c, icon)) return;
    out.Raw(indent).Raw("\tSendMessage(GetDlgItem(hWnd,").Name(c.name);
    out.Raw(icon ? "),STM_SETICON,hImage_" : "),STM_SETIMAGE,IMAGE_BITMAP,hImage_");
    out.Name(window.name).Raw("_").Name(c.name).Raw(icon ? " As WPARAM,0)" : " As LPARAM)").EndLine();
  }
};

}  // namespace

void AppendControlCreation(CodeBuilder& out, const CodeContext& ctx, const WindowDef& window,
                           std::string_view indent) {
  ImageWriter images{out, ctx.project, window, indent};
  for (const ControlDef& c : window.controls) {
    const ControlTypeInfo* info = FindControlType(static_cast<int32_t>(c.controlType));
    if (!info) continue;
    if (c.controlType == ControlType::kUpDown) {
      out.Raw(indent).Raw("\tCreateUpDownControl(").Num(static_cast<int32_t>(c.style));
      for (int32_t v : {c.x, c.y, c.cx, c.cy}) out.Raw(",").Num(v);
      out.Raw(",hWnd,").Name(c.name).Raw(",GetWindowLong(hWnd,GWL_HINSTANCE) As HINSTANCE,0,0,100,0)").EndLine();
      continue;
    }
    out.Raw(indent).Raw("\tCreateWindowEx(").Hex(c.exStyle).Raw(",\"").Raw(info->windowClass).Raw("\",");
    out.Quoted(c.text).Raw(",").Hex(c.style);
    for (int32_t v : {c.x, c.y, c.cx, c.cy}) out.Raw(",").Num(v);
    out.Raw(",hWnd,").Name(c.name).Raw(" As HMENU,GetModuleHandle(0),0)").EndLine();
    out.Raw(indent).Raw("\tSendMessage(GetDlgItem(hWnd,").Name(c.name).Raw("),WM_SETFONT,hFont_").Name(window.name);
    out.Raw(" As WPARAM,0)").EndLine();
    if (c.controlType == ControlType::kImageBox) images.Write(c);
  }
}
