// Callback.wbp, in the order the index program needs it: constants, fonts,
// brushes, image handles and menus before the window procedures that use
// them, then the dialog functions.
#include <string>
#include <unordered_set>

#include "designer/code_context.h"
#include "designer/menu_commands.h"

namespace {

std::string FoldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return folded;
}

// Names compared without regard to letter case get one constant; numbers
// rise from 1000 across controls and menu commands.
void AppendConstants(CodeBuilder& out, const ProjectState& project) {
  std::unordered_set<std::string> seen;
  int64_t number = 1000;
  auto add = [&](const std::string& name) {
    if (name.empty() || !seen.insert(FoldedName(name)).second) return;
    out.Raw("Const ").Name(name).Raw("=").Num(number++).EndLine();
  };
  for (const WindowDef& w : project.windows) {
    for (const ControlDef& c : w.controls) add(c.name);
  }
  std::vector<const MenuItemDef*> items;
  for (const MenuDef& m : project.menus) {
    items.clear();
    CollectMenuCommands(m, items);
    for (const MenuItemDef* item : items) add(*item->idName);
  }
}

void AppendFonts(CodeBuilder& out, const ProjectState& project) {
  for (const WindowDef& w : project.windows) {
    out.Raw("Dim ").Name(w.handleName).Raw(" As HWND").EndLine();
    out.Raw("Dim hFont_").Name(w.name).Raw(" As HFONT").EndLine();
    const LOGFONTA& f = w.font;
    out.Raw("hFont_").Name(w.name).Raw("=CreateFont(");
    for (int32_t v : {f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight}) out.Num(v).Raw(",");
    for (uint8_t v : {f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision,
                      f.lfQuality, f.lfPitchAndFamily}) {
      out.Num(v).Raw(",");
    }
    out.Quoted(FaceName(f)).Raw(")").EndLine();
  }
}

void AppendBackgroundBrushes(CodeBuilder& out, const ProjectState& project) {
  for (size_t i = 0; i < project.windows.size(); ++i) {
    const Background b = BackgroundOf(project.windows[i].bgColor, project.bitmaps.size());
    if (!HasOwnBrush(b)) continue;
    const int64_t n = static_cast<int64_t>(i);
    out.Raw("Dim _RadSys_hBackBrush").Num(n).Raw(" As HBRUSH").EndLine();
    out.Raw("_RadSys_hBackBrush").Num(n);
    if (b.kind == BackgroundKind::kSolid) {
      out.Raw("=CreateSolidBrush(").Num(b.colour).Raw(")").EndLine();
    } else {
      out.Raw("=CreatePatternBrush(LoadImage(GetModuleHandle(0),")
          .Name(project.bitmaps[static_cast<size_t>(b.bitmap)].idName)
          .Raw(",IMAGE_BITMAP,0,0,LR_DEFAULTSIZE or LR_SHARED))")
          .EndLine();
    }
  }
}

void AppendImageHandles(CodeBuilder& out, const ProjectState& project) {
  for (const WindowDef& w : project.windows) {
    for (const ControlDef& c : w.controls) {
      if (c.controlType != ControlType::kImageBox || ImageBoxKindOf(c.style) == ImageBoxKind::kNone) continue;
      out.Raw("Dim hImage_").Name(w.name).Raw("_").Name(c.name).Raw(" As HANDLE").EndLine();
    }
  }
}

// The items are inserted at position 0 from the last to the first, so the
// built menu has the list order.
void AppendMenuBlock(CodeBuilder& out, const std::string& var, const MenuItemDef& menu, bool top) {
  out.Raw("Dim ").Raw(var).Raw(" As HMENU").EndLine();
  out.Raw(var).Raw(top ? "=CreateMenu()" : "=CreatePopupMenu()").EndLine();
  for (size_t n = menu.children.size(); n-- > 0;) {
    const MenuItemDef& item = menu.children[n];
    if (item.isPopup) {
      const std::string sub = var + "_" + std::to_string(n);
      AppendMenuBlock(out, sub, item, false);
      out.Raw("InsMenu ").Raw(var).Raw(",0,MF_BYPOSITION,").ExQuoted(item.caption.value_or(std::string()));
      out.Raw(",0,").Raw(sub).Raw(",").Num(item.state).EndLine();
    } else if (item.kind == MenuItemKind::kSeparator) {
      out.Raw("InsMenu ").Raw(var).Raw(",0,MF_BYPOSITION").EndLine();
    } else if (item.kind == MenuItemKind::kCommand) {
      // An item without an ID gets 0: it shows, and no handler can name it.
      out.Raw("InsMenu ").Raw(var).Raw(",0,MF_BYPOSITION,").ExQuoted(item.caption.value_or(std::string()));
      out.Raw(",");
      if (IsMenuCommand(item)) {
        out.Name(*item.idName);
      } else {
        out.Raw("0");
      }
      out.Raw(",0,").Num(item.state).EndLine();
    }
  }
}

void AppendMenuDestroy(CodeBuilder& out, const std::string& var, const MenuItemDef& menu) {
  out.Raw("\tDestroyMenu(").Raw(var).Raw(")").EndLine();
  for (size_t n = menu.children.size(); n-- > 0;) {
    if (menu.children[n].isPopup) AppendMenuDestroy(out, var + "_" + std::to_string(n), menu.children[n]);
  }
}

void AppendDestroyObjects(CodeBuilder& out, const ProjectState& project) {
  out.Raw("Sub ").Name(project.projectName).Raw("_DestroyObjects()").EndLine();
  for (const MenuDef& m : project.menus) AppendMenuDestroy(out, MenuVariable(m), m);
  for (const WindowDef& w : project.windows) out.Raw("\tDeleteObject(hFont_").Name(w.name).Raw(")").EndLine();
  out.Raw("\tDeleteObject(h3DFaceBrush)").EndLine();
  for (size_t i = 0; i < project.windows.size(); ++i) {
    if (BackgroundOf(project.windows[i].bgColor, project.bitmaps.size()).kind == BackgroundKind::kSolid) {
      out.Raw("\tDeleteObject(_RadSys_hBackBrush").Num(static_cast<int64_t>(i)).Raw(")").EndLine();
    }
  }
  out.Raw("End Sub").EndLine().EndLine();
}

const char* const kDialogClass[] = {
    "Dim _RadSys_dlgwcl As WNDCLASSEX",
    "FillMemory(VarPtr(_RadSys_dlgwcl),Len(_RadSys_dlgwcl),0)",
    "_RadSys_dlgwcl.cbSize=Len(_RadSys_dlgwcl)",
    "_RadSys_dlgwcl.hInstance=GetModuleHandle(0)",
    "_RadSys_dlgwcl.style=CS_HREDRAW or CS_VREDRAW or CS_DBLCLKS",
    "_RadSys_dlgwcl.hIcon=LoadIcon(NULL,MAKEINTRESOURCE(IDI_APPLICATION))",
    "_RadSys_dlgwcl.hIconSm=LoadIcon(NULL,MAKEINTRESOURCE(IDI_WINLOGO))",
    "_RadSys_dlgwcl.hCursor=LoadCursor(NULL,MAKEINTRESOURCE(IDC_ARROW))",
    "_RadSys_dlgwcl.lpszClassName=\"NORMALDLG\"",
    "_RadSys_dlgwcl.hbrBackground=h3DFaceBrush",
    "_RadSys_dlgwcl.lpfnWndProc=AddressOf(DefaultCallProc)",
    "RegisterClassEx(_RadSys_dlgwcl)",
};

const char* const kModalLoop[] = {
    "\tElse",
    "\t\tExit Function",
    "\tEnd If",
    "\tEnableWindow(hOwnerWnd,0)",
    "",
    "\tDim msg As MSG, iResult As Long",
    "\tDo",
    "\t\tiResult=GetMessage(msg,0,0,0)",
    "\t\tIf iResult=0 or iResult=-1 Then Exit Do",
    "\t\tIf IsDialogMessage(hDlg,msg) Then Continue",
    "\t\tTranslateMessage(msg)",
    "\t\tDispatchMessage(msg)",
    "\tLoop",
    "\tDialogBox=msg.wParam",
};

// The dialog's creation; `assign` ("hDlg" or "CreateDialog") takes the handle.
void AppendDialogCreation(CodeBuilder& out, const CodeContext& ctx, size_t index, const char* assign) {
  const WindowDef& w = ctx.project.windows[index];
  out.Raw("\t\t").Name(w.handleName).Raw("=CreateWindowEx(").Hex(w.exStyle).Raw(",\"NORMALDLG\",");
  out.Quoted(w.caption).Raw(",").Hex(w.style);
  for (int32_t v : {w.x, w.y, w.cx, w.cy}) out.Raw(",").Num(v);
  out.Raw(",hOwnerWnd,").Num(w.id).Raw(" As HMENU,GetModuleHandle(0),0)").EndLine();
  out.Raw("\t\t").Raw(assign).Raw("=").Name(w.handleName).EndLine();
  out.Raw("\t\tSetWindowLong(").Name(w.handleName).Raw(",GWL_WNDPROC,AddressOf(");
  if (ctx.HandlersOf(index).ownProcedure) {
    out.Name(w.callbackName);
  } else {
    out.Raw("EventCall_").Name(w.name);
  }
  out.Raw(") As LONG_PTR)").EndLine();
  out.Raw("\t\tSendMessage(").Name(w.handleName).Raw(",WM_INITDIALOG,0,0)").EndLine();
  if (const ResourceEntry* icon = ctx.IconOf(w)) {
    out.Raw("\t\tSendMessage(").Name(w.handleName);
    out.Raw(",WM_SETICON,ICON_SMALL,LoadIcon(GetModuleHandle(0),MAKEINTRESOURCE(").Name(icon->idName);
    out.Raw(")) As LPARAM)").EndLine();
  }
}

void AppendDialogFunctions(CodeBuilder& out, const CodeContext& ctx) {
  const auto& windows = ctx.project.windows;
  out.EndLine();
  for (const char* line : kDialogClass) out.Raw(line).EndLine();

  out.EndLine().Raw("Function DialogBox(hOwnerWnd As HWND, TemplateName As LPSTR) As LONG_PTR").EndLine();
  out.Raw("\tDim hDlg As HWND").EndLine();
  bool anyModal = false;
  for (size_t i = 0; i < windows.size(); ++i) {
    if (windows[i].windowType != WindowType::kModalDialog) continue;
    out.Raw(anyModal ? "\tElseIf" : "\tIf").Raw(" lstrcmp(TemplateName,").Quoted(windows[i].name).Raw(")=0 Then");
    out.EndLine();
    AppendDialogCreation(out, ctx, i, "hDlg");
    out.Raw("\t\tShowWindow(").Name(windows[i].handleName).Raw(",SW_SHOW)").EndLine();
    anyModal = true;
  }
  if (anyModal) {
    for (const char* line : kModalLoop) out.Raw(line).EndLine();
  }
  out.Raw("End Function").EndLine();

  out.Raw("Sub EndDialog(hWnd As HWND, lResult As Long)").EndLine();
  out.Raw("\tEnableWindow(GetWindow(hWnd,GW_OWNER),1)").EndLine();
  out.Raw("\tDestroyWindow(hWnd)").EndLine();
  out.Raw("\tPostMessage(0,WM_QUIT,lResult,0)").EndLine();
  out.Raw("End Sub").EndLine();

  out.EndLine().Raw("Function CreateDialog(hOwnerWnd As HWND, TemplateName As LPSTR) As HWND").EndLine();
  for (size_t i = 0; i < windows.size(); ++i) {
    if (windows[i].windowType != WindowType::kModelessDialog) continue;
    out.Raw("\tIf lstrcmp(TemplateName,").Quoted(windows[i].name).Raw(")=0 Then").EndLine();
    AppendDialogCreation(out, ctx, i, "CreateDialog");
    out.Raw("\tEnd If").EndLine();
  }
  out.Raw("End Function").EndLine();
}

}  // namespace

void AppendCallbackFile(CodeBuilder& out, const CodeContext& ctx) {
  const ProjectState& project = ctx.project;
  out.Raw(kGeneratedHeader).EndLine().EndLine();
  if (project.options & ProjectOption::kCommonControls) {
    out.Raw("Dim _RadSys_InitCtrls As INITCOMMONCONTROLSEX").EndLine();
    out.Raw("_RadSys_InitCtrls.dwSize=Len(_RadSys_InitCtrls)").EndLine();
    out.Raw("_RadSys_InitCtrls.dwICC=ICC_WIN95_CLASSES").EndLine();
    out.Raw("InitCommonControlsEx(_RadSys_InitCtrls)").EndLine().EndLine();
  }
  AppendConstants(out, project);
  out.EndLine();
  AppendFonts(out, project);
  out.Raw("Dim h3DFaceBrush As HBRUSH").EndLine();
  out.Raw("h3DFaceBrush=CreateSolidBrush(GetSysColor(COLOR_3DFACE))").EndLine();
  AppendBackgroundBrushes(out, project);
  out.EndLine();
  AppendImageHandles(out, project);
  out.EndLine();
  for (const MenuDef& m : project.menus) {
    AppendMenuBlock(out, MenuVariable(m), m, true);
    out.EndLine();
  }
  AppendDestroyObjects(out, project);
  for (size_t i = 0; i < project.windows.size(); ++i) {
    if (i > 0) out.EndLine();
    AppendWindowProcedure(out, ctx, i);
  }
  out.EndLine();
  out.Raw("Function DefaultCallProc(hWnd As HWND, message As DWord, wParam As WPARAM, lParam As LPARAM) As LRESULT");
  out.EndLine().Raw("\tDefaultCallProc=DefWindowProc(hWnd,message,wParam,lParam)").EndLine();
  out.Raw("End Function").EndLine();
  AppendDialogFunctions(out, ctx);
}
