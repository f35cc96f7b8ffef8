#include "shell/command_states.h"

#include "resources/ids.h"

namespace {

void Set(CommandStates& out, int id, bool enabled) { out.push_back(CommandState{id, enabled}); }

bool Text(const CommandContext& ctx) { return IsTextKind(ctx.kind); }

}  // namespace

void FileCommandStates(const CommandContext& ctx, CommandStates& out) {
  const bool any = ctx.kind != DocumentKind::kNone;
  for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVEAS, ID_FILE_SAVEALL}) Set(out, id, any);
  Set(out, ID_FILE_ENCODING, Text(ctx));
}

void EditCommandStates(const CommandContext& ctx, CommandStates& out) {
  const DocumentKind k = ctx.kind;
  bool clip = false, paste = false, selectAll = false, remove = false;
  if (IsTextKind(k)) {
    clip = remove = ctx.selection;
    paste = ctx.clipboardText;
    selectAll = true;
  } else if (k == DocumentKind::kWindowDesign) {
    clip = remove = ctx.selection;
    paste = ctx.clipboardDesign;
    selectAll = true;
  } else if (k == DocumentKind::kIcon) {
    clip = ctx.selection;  // an icon offers no Delete
    paste = ctx.clipboardBitmap;
  }
  for (int id : {ID_EDIT_CUT, ID_EDIT_COPY}) Set(out, id, clip);
  Set(out, ID_EDIT_DELETE, remove);
  Set(out, ID_EDIT_PASTE, paste);
  Set(out, ID_EDIT_SELECTALL, selectAll);
  Set(out, ID_EDIT_UNDO, k != DocumentKind::kNone && ctx.canUndo);
  Set(out, ID_EDIT_REDO, k != DocumentKind::kNone && ctx.canRedo);
}

void SearchCommandStates(const CommandContext& ctx, CommandStates& out) {
  // Counting an empty selection shows zeros: like the document's count, it
  // needs only a text document.
  for (int id : {ID_SEARCH_FIND, ID_SEARCH_FINDNEXT, ID_SEARCH_REPLACE, ID_TOOL_CHARCOUNT, ID_TOOL_CHARCOUNTSEL})
    Set(out, id, Text(ctx));
}

void ConversionCommandStates(const CommandContext& ctx, CommandStates& out) {
  for (int id : {ID_CONV_LOWER, ID_CONV_UPPER, ID_CONV_HALFWIDTH, ID_CONV_FULLWIDTH, ID_CONV_KATAKANA,
                 ID_CONV_HIRAGANA, ID_CONV_TAB2SPACE, ID_CONV_SPACE2TAB, ID_CONV_QUOTEWRAP, ID_CONV_WRAP})
    Set(out, id, Text(ctx) && ctx.selection);
}

void PrintCommandStates(const CommandContext& ctx, CommandStates& out) {
  for (int id : {ID_FILE_PRINT, ID_FILE_PAGESETUP, ID_FILE_PREVIEW}) Set(out, id, Text(ctx));
}

void CompileCommandStates(const CommandContext& ctx, CommandStates& out) {
  const bool enable = ctx.projectOpen || ctx.kind == DocumentKind::kSource;
  for (int id : {ID_BUILD_DEBUGRUN, ID_BUILD_RELEASE, ID_BUILD_DEBUG}) Set(out, id, enable);
}

// Opening and creating a project is always possible; everything else needs one.
void ProjectCommandStates(const CommandContext& ctx, CommandStates& out) {
  for (int id : {ID_PROJECT_CLOSE, ID_PROJECT_SAVE, ID_PROJECT_OPTIONS, ID_PV_FILEPROPS, ID_PV_OPENFILE, ID_PV_ADDFILE,
                 ID_PV_REMOVEFILE, ID_PV_OPENMATERIAL, ID_PV_DELETEMATERIAL, ID_PV_NEWWINDOW, ID_PV_GOTOCLASS,
                 ID_PV_CHANGEID, ID_PV_ADDICON, ID_PV_NEWMENU, ID_PV_MAINICON, ID_PV_ADDBITMAP, ID_PV_ADDCURSOR})
    Set(out, id, ctx.projectOpen);
}

void ComputeCommandStates(const CommandContext& ctx, CommandStates& out) {
  out.clear();
  for (auto group : {FileCommandStates, EditCommandStates, SearchCommandStates, ConversionCommandStates,
                     PrintCommandStates, CompileCommandStates, ProjectCommandStates})
    group(ctx, out);
}
