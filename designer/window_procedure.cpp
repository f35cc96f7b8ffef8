// The window procedure "EventCall_" + name: one Case per window event the
// source handles (Create, Destroy and QueryClose always), then WM_NOTIFY and
// WM_COMMAND with one Case per control or menu item that has handlers.
#include <vector>

#include "designer/code_context.h"
#include "designer/dispatch_tables.h"

namespace {

bool IsDialog(const WindowDef& w) {
  return w.windowType == WindowType::kModalDialog || w.windowType == WindowType::kModelessDialog;
}

void AppendCreate(CodeBuilder& out, const CodeContext& ctx, const WindowDef& w, bool withHandler) {
  out.Raw(IsDialog(w) ? "\t\tCase WM_INITDIALOG" : "\t\tCase WM_CREATE").EndLine();
  out.Raw("\t\t\t").Name(w.handleName).Raw("=hWnd").EndLine();
  if (const MenuDef* menu = ctx.MenuOf(w)) out.Raw("\t\t\tSetMenu(hWnd,").Raw(MenuVariable(*menu)).Raw(")").EndLine();
  AppendControlCreation(out, ctx, w, "\t\t");
  if (withHandler) out.Raw("\t\t\t").Name(w.name).Raw("_Create(ByVal (lParam As VoidPtr))").EndLine();
}

void AppendDestroy(CodeBuilder& out, const CodeContext& ctx, const WindowDef& w, bool withHandler) {
  out.Raw("\t\tCase WM_DESTROY").EndLine();
  if (withHandler) out.Raw("\t\t\t").Name(w.name).Raw("_Destroy()").EndLine();
  if (ctx.MenuOf(w)) out.Raw("\t\t\tSetMenu(hWnd,NULL)").EndLine();
  for (const ControlDef& c : w.controls) {
    if (c.controlType != ControlType::kImageBox) continue;
    const ImageBoxKind kind = ImageBoxKindOf(c.style);
    if (kind == ImageBoxKind::kNone) continue;
    out.Raw(kind == ImageBoxKind::kIcon ? "\t\t\tDestroyIcon(hImage_" : "\t\t\tDeleteObject(hImage_");
    out.Name(w.name).Raw("_").Name(c.name).Raw(")").EndLine();
  }
}

void AppendQueryClose(CodeBuilder& out, const WindowDef& w, bool withHandler) {
  out.Raw("\t\tCase WM_CLOSE").EndLine();
  out.Raw("\t\t\tDim cancel=0 As Integer").EndLine();
  if (withHandler) out.Raw("\t\t\t").Name(w.name).Raw("_QueryClose(cancel)").EndLine();
  out.Raw(w.windowType == WindowType::kModalDialog ? "\t\t\tIf cancel=0 Then EndDialog(hWnd,0)"
                                                    : "\t\t\tIf cancel=0 Then DestroyWindow(hWnd)");
  out.EndLine();
}

void AppendPaint(CodeBuilder& out, const WindowDef& w) {
  out.Raw("\t\tCase WM_PAINT").EndLine();
  out.Raw("\t\t\tDim ps As PAINTSTRUCT").EndLine();
  out.Raw("\t\t\tDim hDC As HDC").EndLine();
  out.Raw("\t\t\thDC=BeginPaint(hWnd,ps)").EndLine();
  out.Raw("\t\t\t").Name(w.name).Raw("_Paint(hDC)").EndLine();
  out.Raw("\t\t\tEndPaint(hWnd,ps)").EndLine();
}

void AppendWindowEvent(CodeBuilder& out, const CodeContext& ctx, const WindowDef& w, const WindowEventInfo& e,
                       bool withHandler) {
  switch (e.kind) {
    case WindowEventKind::kCreate: AppendCreate(out, ctx, w, withHandler); break;
    case WindowEventKind::kDestroy: AppendDestroy(out, ctx, w, withHandler); break;
    case WindowEventKind::kQueryClose: AppendQueryClose(out, w, withHandler); break;
    case WindowEventKind::kPaint: AppendPaint(out, w); break;
    case WindowEventKind::kNotify: break;  // with WM_NOTIFY below
    case WindowEventKind::kOrdinary:
      out.Raw("\t\tCase ").Raw(e.message).EndLine();
      out.Raw("\t\t\t").Name(w.name).Raw("_").Raw(e.name).Raw("(").Raw(e.arguments).Raw(")").EndLine();
      break;
  }
}

void AppendNotifyCall(CodeBuilder& out, const WindowDef& w) {
  out.Raw("\t\t\t").Name(w.name).Raw("_Notify(ByVal (lParam As *NMHDR))").EndLine();
}

// The codes of an entry's events, each once, in the order of the source.
template <typename Find>
std::vector<const EventCode*> CodesOf(const ControlHandlers& entry, Find find) {
  std::vector<const EventCode*> codes;
  for (const std::string& event : entry.events) {
    const EventCode* code = find(entry.type, event);
    if (!code) continue;
    bool seen = false;
    for (const EventCode* c : codes) seen = seen || c == code;
    if (!seen) codes.push_back(code);
  }
  return codes;
}

void AppendNotifications(CodeBuilder& out, const WindowDef& w, const HandlerIndex& h, bool notify) {
  if (h.controlEvents.empty()) {
    if (notify) {
      out.Raw("\t\tCase WM_NOTIFY").EndLine();
      AppendNotifyCall(out, w);
    }
    return;
  }
  const size_t mark = out.Size();
  out.Raw("\t\tCase WM_NOTIFY").EndLine();
  if (notify) AppendNotifyCall(out, w);
  out.Raw("\t\t\tDim pnmHdr As *NMHDR").EndLine();
  out.Raw("\t\t\tpnmHdr=lParam As *NMHDR").EndLine();
  out.Raw("\t\t\tSelect Case LOWORD(wParam)").EndLine();
  bool any = false;
  for (const ControlHandlers& entry : h.controlEvents) {
    if (entry.type == kMenuHandlerType || !IsNotifyControl(entry.type)) continue;
    any = true;
    out.Raw("\t\t\t\tCase ").Name(entry.name).EndLine();
    out.Raw("\t\t\t\t\tSelect Case pnmHdr->code").EndLine();
    for (const EventCode* code : CodesOf(entry, FindNotifyCode)) {
      out.Raw("\t\t\t\t\t\tCase ").Raw(code->code).EndLine();
      out.Raw("\t\t\t\t\t\t\t").Name(w.name).Raw("_").Name(entry.name).Raw("_").Raw(code->name);
      out.Raw("(ByVal (pnmHdr As VoidPtr))").EndLine();
    }
    out.Raw("\t\t\t\t\tEnd Select").EndLine();
  }
  if (any) {
    out.Raw("\t\t\tEnd Select").EndLine();
    return;
  }
  out.CutTo(mark);
  if (notify) {
    out.Raw("\t\tCase WM_NOTIFY").EndLine();
    AppendNotifyCall(out, w);
  }
}

void AppendCommands(CodeBuilder& out, const WindowDef& w, const HandlerIndex& h) {
  if (h.controlEvents.empty()) return;
  out.Raw("\t\tCase WM_COMMAND").EndLine();
  out.Raw("\t\t\tSelect Case LOWORD(wParam)").EndLine();
  for (const ControlHandlers& entry : h.controlEvents) {
    if (entry.type == kMenuHandlerType) {
      out.Raw("\t\t\t\tCase ").Name(entry.name).EndLine();
      out.Raw("\t\t\t\t\t").Name(w.name).Raw("_").Name(entry.name).Raw("_MenuClick()").EndLine();
      continue;
    }
    if (IsNotifyControl(entry.type)) continue;
    out.Raw("\t\t\t\tCase ").Name(entry.name).EndLine();
    out.Raw("\t\t\t\t\tSelect Case HIWORD(wParam)").EndLine();
    for (const EventCode* code : CodesOf(entry, FindCommandCode)) {
      out.Raw("\t\t\t\t\t\tCase ").Raw(code->code).EndLine();
      out.Raw("\t\t\t\t\t\t\t").Name(w.name).Raw("_").Name(entry.name).Raw("_").Raw(code->name).Raw("()").EndLine();
    }
    out.Raw("\t\t\t\t\tEnd Select").EndLine();
  }
  out.Raw("\t\t\tEnd Select").EndLine();
}

}  // namespace

void AppendWindowProcedure(CodeBuilder& out, const CodeContext& ctx, size_t index) {
  const WindowDef& w = ctx.project.windows[index];
  const HandlerIndex& h = ctx.HandlersOf(index);
  out.Raw("Function EventCall_").Name(w.name);
  out.Raw("(hWnd As HWND, message As DWord, wParam As WPARAM, lParam As LPARAM) As LRESULT").EndLine();
  out.Raw("\tSelect Case message").EndLine();

  // Each event once: a handler declared twice (in both branches of a
  // conditional block) must not repeat the Dims of its Case.
  std::vector<const WindowEventInfo*> events;
  for (const std::string& name : h.windowEvents) {
    const WindowEventInfo* e = FindWindowEvent(name);
    bool seen = false;
    for (const WindowEventInfo* s : events) seen = seen || s == e;
    if (e && !seen) events.push_back(e);
  }
  auto handled = [&](WindowEventKind kind) {
    for (const WindowEventInfo* e : events) {
      if (e->kind == kind) return true;
    }
    return false;
  };
  for (const WindowEventInfo* e : events) AppendWindowEvent(out, ctx, w, *e, true);
  for (WindowEventKind kind : {WindowEventKind::kCreate, WindowEventKind::kDestroy, WindowEventKind::kQueryClose}) {
    if (!handled(kind)) AppendWindowEvent(out, ctx, w, WindowEventOf(kind), false);
  }
  AppendNotifications(out, w, h, handled(WindowEventKind::kNotify));
  AppendCommands(out, w, h);

  out.Raw("\t\tCase Else").EndLine();
  out.Raw("\t\t\tEventCall_").Name(w.name).Raw("=DefWindowProc(hWnd,message,wParam,lParam)").EndLine();
  out.Raw("\t\t\tExit Function").EndLine();
  out.Raw("\tEnd Select").EndLine();
  out.Raw("\tEventCall_").Name(w.name).Raw("=0").EndLine();
  out.Raw("End Function").EndLine();
}
