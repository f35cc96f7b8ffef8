// MakeWindow.wbp: one window class per ordinary window, registered and the
// window created when the program starts.
#include "designer/code_context.h"

namespace {

void AppendBackgroundLine(CodeBuilder& out, const Background& b, size_t index) {
  switch (b.kind) {
    case BackgroundKind::kFace: out.Raw("_RadSys_wcl.hbrBackground=h3DFaceBrush"); break;
    case BackgroundKind::kWhite: out.Raw("_RadSys_wcl.hbrBackground=GetStockObject(WHITE_BRUSH)"); break;
    case BackgroundKind::kBlack: out.Raw("_RadSys_wcl.hbrBackground=GetStockObject(BLACK_BRUSH)"); break;
    case BackgroundKind::kSolid:
    case BackgroundKind::kBitmap:
      out.Raw("_RadSys_wcl.hbrBackground=_RadSys_hBackBrush").Num(static_cast<int64_t>(index));
      break;
    case BackgroundKind::kNone:
      // The class record is shared by every window: without this line the
      // brush of the window registered before would stay.
      out.Raw("_RadSys_wcl.hbrBackground=NULL");
      break;
  }
  out.EndLine();
}

}  // namespace

void AppendMakeWindowFile(CodeBuilder& out, const CodeContext& ctx) {
  const ProjectState& project = ctx.project;
  out.Raw(kGeneratedHeader).EndLine().EndLine();
  out.Raw("Dim _RadSys_wcl As WNDCLASSEX").EndLine();
  out.Raw("FillMemory(VarPtr(_RadSys_wcl),Len(_RadSys_wcl),0)").EndLine();
  out.Raw("_RadSys_wcl.cbSize=Len(_RadSys_wcl)").EndLine();
  out.Raw("_RadSys_wcl.hInstance=GetModuleHandle(0)").EndLine();
  out.Raw("_RadSys_wcl.style=CS_HREDRAW or CS_VREDRAW or CS_DBLCLKS").EndLine();
  out.Raw("_RadSys_wcl.hCursor=LoadCursor(NULL,MAKEINTRESOURCE(IDC_ARROW))").EndLine();
  for (size_t i = 0; i < project.windows.size(); ++i) {
    const WindowDef& w = project.windows[i];
    if (w.windowType != WindowType::kWindow) continue;
    const int64_t n = static_cast<int64_t>(i);
    out.EndLine();
    if (const ResourceEntry* icon = ctx.IconOf(w)) {
      out.Raw("_RadSys_wcl.hIcon=LoadIcon(_RadSys_wcl.hInstance,MAKEINTRESOURCE(").Name(icon->idName).Raw("))");
      out.EndLine();
      out.Raw("_RadSys_wcl.hIconSm=LoadIcon(_RadSys_wcl.hInstance,MAKEINTRESOURCE(").Name(icon->idName).Raw("))");
      out.EndLine();
    } else {
      out.Raw("_RadSys_wcl.hIcon=LoadIcon(NULL,MAKEINTRESOURCE(IDI_APPLICATION))").EndLine();
      out.Raw("_RadSys_wcl.hIconSm=LoadIcon(NULL,MAKEINTRESOURCE(IDI_WINLOGO))").EndLine();
    }
    // The class is registered and created under the same name.
    out.Raw("_RadSys_wcl.lpszClassName=").Quoted(w.className + std::to_string(i)).EndLine();
    out.Raw("_RadSys_wcl.lpfnWndProc=AddressOf(");
    if (ctx.HandlersOf(i).ownProcedure) {
      out.Name(w.callbackName);
    } else {
      out.Raw("EventCall_").Name(w.name);
    }
    out.Raw(")").EndLine();
    AppendBackgroundLine(out, BackgroundOf(w.bgColor, project.bitmaps.size()), i);
    out.Raw("RegisterClassEx(_RadSys_wcl)").EndLine();
    out.Raw("CreateWindowEx(").Hex(w.exStyle).Raw(",").Quoted(w.className + std::to_string(n)).Raw(",");
    out.Quoted(w.caption).Raw(",").Hex(w.style);
    for (int32_t v : {w.x, w.y, w.cx, w.cy}) out.Raw(",").Num(v);
    out.Raw(",0,0,GetModuleHandle(0),0)").EndLine();
  }
}
