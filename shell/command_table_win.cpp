// The frame's command table and the application of command states.
#include "shell/command_table_win.h"

#include <algorithm>

#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/clipboard_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"
#include "project/project_session_win.h"
#include "shell/rebar_win.h"

namespace {

constexpr CommandRange kDocumentIds[] = {
    {ID_EDIT_UNDO, ID_EDIT_DELETE}, {ID_EDIT_SELECTALL, ID_EDIT_SELECTALL}, {ID_EDIT_REDO, ID_EDIT_REDO},
    {ID_RAD_UNDO, ID_RAD_REDO},
};
constexpr CommandRange kTextIds[] = {
    {ID_CONV_LOWER, ID_CONV_SPACE2TAB}, {ID_CONV_QUOTEWRAP, ID_CONV_WRAP}, {ID_TOOL_CHARCOUNT, ID_TOOL_CHARCOUNTSEL},
};
constexpr CommandRange kFileIds[] = {
    {ID_RECENT_FILE_FIRST, ID_RECENT_FILE_LAST}, {ID_FILE_NEW, ID_FILE_CLOSE}, {ID_FILE_SAVE, ID_FILE_SAVEAS},
    {ID_FILE_SAVEALL, ID_FILE_SAVEALL}, {ID_FILE_ENCODING, ID_FILE_ENCODING},
};
constexpr CommandRange kSearchIds[] = {
    {ID_SEARCH_FIND, ID_SEARCH_FIND}, {ID_SEARCH_REPLACE, ID_SEARCH_REPLACE}, {ID_SEARCH_FINDNEXT, ID_SEARCH_FINDNEXT},
};
constexpr CommandRange kShellIds[] = {
    {ID_CLOSE_WEBPANE, ID_CLOSE_WEBPANE}, {ID_FILE_EXIT, ID_FILE_EXIT},     {ID_HELP_ABOUT, ID_HELP_ABOUT},
    {ID_HELP_TOPICS, ID_HELP_TOPICS},     {ID_HELP_HOMEPAGE, ID_HELP_HOMEPAGE}, {ID_VIEW_PROJECTVIEW, ID_VIEW_PROJECTVIEW},
    {ID_VIEW_TOPMOST, ID_VIEW_TOPMOST},   {ID_VIEW_RIGHTTURN, ID_VIEW_RIGHTTURN}, {ID_TAB_RECYCLE, ID_TABCOLOR_WHITE},
};
constexpr CommandRange kIconIds[] = {{ID_ICON_SELECT, ID_ICON_FILLEDRECT}};
constexpr CommandRange kUnbuiltIds[] = {
    {ID_VIEW_BAND1, ID_VIEW_BAND3}, {ID_TOOL_OPTIONS, ID_TOOL_OPTIONS},
    {ID_PROJECT_OPTIONS, ID_PROJECT_OPTIONS}, {ID_BUILD_DEBUGRUN, ID_BUILD_DEBUGRUN}, {ID_BUILD_RELEASE, ID_BUILD_RELEASE},
    {ID_BUILD_DEBUG, ID_BUILD_DEBUG}, {ID_VIEW_NOGRIPPER, ID_VIEW_NOGRIPPER}, {ID_VIEW_BAND4, ID_VIEW_RESETBANDS},
    {ID_SEARCH_WEB, ID_VIEW_BAND5}, {ID_FILE_PRINT, ID_FILE_PRINT}, {ID_FILE_PAGESETUP, ID_FILE_PREVIEW},
};

constexpr CommandRange kProjectIds[] = {
    {ID_RECENT_PROJECT_FIRST, ID_RECENT_PROJECT_LAST}, {ID_PROJECT_OPEN, ID_PROJECT_SAVE}, {ID_PV_ADDFILE, ID_PV_REMOVEFILE},
    {ID_PV_DELETEMATERIAL, ID_PV_DELETEMATERIAL}, {ID_PV_NEWWINDOW, ID_PV_NEWWINDOW}, {ID_PV_CHANGEID, ID_PV_CHANGEID},
    {ID_PV_ADDICON, ID_PV_ADDICON}, {ID_PV_MAINICON, ID_PV_MAINICON}, {ID_PV_ADDBITMAP, ID_PV_ADDCURSOR},
    {ID_PROJECT_NEW, ID_PROJECT_NEW},
};

template <size_t N>
constexpr int Count(const CommandRange (&)[N]) {
  return static_cast<int>(N);
}

const CommandGroup kGroups[] = {
    {"documents", kDocumentIds, Count(kDocumentIds), HandleDocumentCommand},
    {"text", kTextIds, Count(kTextIds), HandleTextCommand},
    {"files", kFileIds, Count(kFileIds), HandleFileCommand},
    {"search", kSearchIds, Count(kSearchIds), HandleSearchCommand},
    {"shell", kShellIds, Count(kShellIds), HandleShellCommand},
    {"icons", kIconIds, Count(kIconIds), HandleIconCommand},
    {"project", kProjectIds, Count(kProjectIds), HandleProjectCommand},
    {"unbuilt", kUnbuiltIds, Count(kUnbuiltIds), HandleUnbuiltCommand},
};

void Apply(const CommandState& state) {
  const UINT flags = MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED);
  if (g_app.mainMenu) EnableMenuItem(g_app.mainMenu->handle(), static_cast<UINT>(state.id), flags);
  if (g_app.menus.editor.sub) EnableMenuItem(g_app.menus.editor.sub, static_cast<UINT>(state.id), flags);
  ToolbarEnable(static_cast<UINT>(state.id), state.enabled);
}

CommandContext CurrentContext(int slot) {
  CommandContext ctx;
  if (slot >= 0) {
    const DocumentSlot& s = g_app.docs.slots[slot];
    ctx.kind = s.kind;
    if (s.document) s.document->FillCommandContext(ctx);
  }
  ctx.clipboardText = ClipboardHasText();
  ctx.clipboardDesign = g_app.RadClipboardFormat && IsClipboardFormatAvailable(g_app.RadClipboardFormat);
  ctx.clipboardBitmap = IsClipboardFormatAvailable(CF_BITMAP) != 0;
  ctx.projectOpen = ProjectIsOpen();
  return ctx;
}

}  // namespace

const CommandGroup* FindCommandGroup(UINT id) {
  for (const CommandGroup& g : kGroups)
    for (int i = 0; i < g.rangeCount; ++i)
      if (id >= g.ranges[i].first && id <= g.ranges[i].last) return &g;
  return nullptr;
}

bool DispatchCommand(UINT id) {
  const CommandGroup* group = FindCommandGroup(id);
  return group && group->handle(id);
}

void RefreshCommandStates() {
  if (!g_app.frameWindow) return;
  FrameWindow& frame = Frame();
  CommandStates& applied = frame.appliedStates;
  CommandStates& now = frame.computedStates;
  const int slot = ActiveSlot();
  ComputeCommandStates(CurrentContext(slot), now);
  const bool all = applied.size() != now.size();
  for (size_t i = 0; i < now.size(); ++i) {
    if (!all && applied[i].id == now[i].id && applied[i].enabled == now[i].enabled) continue;
    Apply(now[i]);
  }
  applied.swap(now);
  // Commands are what change a document: its mark follows here.
  ShowModifiedMark(slot);
}

void ForgetAppliedCommandStates() {
  if (g_app.frameWindow) Frame().appliedStates.clear();
}
