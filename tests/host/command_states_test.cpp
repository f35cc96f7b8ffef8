// Which commands are enabled for the active document and what the clipboard
// and the project offer.
#include "shell/command_states.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "resources/ids.h"

namespace {

std::map<int, bool> StatesOf(const CommandContext& ctx) {
  std::map<int, bool> out;
  for (const CommandState& s : ComputeCommandStates(ctx)) {
    EXPECT_EQ(out.count(s.id), 0u) << "command " << s.id << " given twice";
    out[s.id] = s.enabled;
  }
  return out;
}

// The enabled ones among ids.
std::set<int> Enabled(const std::map<int, bool>& states, std::initializer_list<int> ids) {
  std::set<int> on;
  for (int id : ids) {
    auto it = states.find(id);
    EXPECT_NE(it, states.end()) << "command " << id << " has no state";
    if (it != states.end() && it->second) on.insert(id);
  }
  return on;
}

const std::initializer_list<int> kWatched = {
    ID_FILE_CLOSE,     ID_FILE_SAVE,      ID_FILE_SAVEAS,     ID_FILE_SAVEALL,   ID_FILE_ENCODING,
    ID_EDIT_CUT,       ID_EDIT_COPY,      ID_EDIT_PASTE,      ID_EDIT_DELETE,    ID_EDIT_SELECTALL,
    ID_EDIT_UNDO,      ID_EDIT_REDO,      ID_SEARCH_FIND,     ID_SEARCH_REPLACE, ID_SEARCH_FINDNEXT,
    ID_TOOL_CHARCOUNT, ID_TOOL_CHARCOUNTSEL, ID_CONV_LOWER,   ID_CONV_WRAP,      ID_FILE_PRINT,
    ID_FILE_PAGESETUP, ID_FILE_PREVIEW,   ID_BUILD_DEBUGRUN,  ID_BUILD_RELEASE,  ID_BUILD_DEBUG,
};

}  // namespace

TEST(CommandStates, FollowTheActiveDocumentTheClipboardAndTheProject) {
  struct Case {
    const char* what;
    CommandContext ctx;
    std::set<int> enabled;
  };
  auto ctx = [](DocumentKind kind, bool selection, bool text, bool design, bool bitmap, bool undo, bool redo,
                bool project) {
    CommandContext c;
    c.kind = kind;
    c.selection = selection;
    c.clipboardText = text;
    c.clipboardDesign = design;
    c.clipboardBitmap = bitmap;
    c.canUndo = undo;
    c.canRedo = redo;
    c.projectOpen = project;
    return c;
  };
  const std::set<int> kTextAlways = {ID_FILE_CLOSE,     ID_FILE_SAVE,     ID_FILE_SAVEAS,     ID_FILE_SAVEALL,
                                     ID_FILE_ENCODING,  ID_EDIT_SELECTALL, ID_SEARCH_FIND,    ID_SEARCH_REPLACE,
                                     ID_SEARCH_FINDNEXT, ID_TOOL_CHARCOUNT, ID_FILE_PRINT,    ID_FILE_PAGESETUP,
                                     ID_FILE_PREVIEW,   ID_TOOL_CHARCOUNTSEL};
  auto with = [](std::set<int> s, std::initializer_list<int> more) {
    s.insert(more);
    return s;
  };
  const std::set<int> kSaveClose = {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVEAS, ID_FILE_SAVEALL};
  const Case cases[] = {
      // Without a document nothing but the compile commands with a project.
      {"none", ctx(DocumentKind::kNone, true, true, true, true, true, true, false), {}},
      {"none, project", ctx(DocumentKind::kNone, false, false, false, false, false, false, true),
       {ID_BUILD_DEBUGRUN, ID_BUILD_RELEASE, ID_BUILD_DEBUG}},
      {"text", ctx(DocumentKind::kText, false, false, false, false, false, false, false), kTextAlways},
      {"text, selection, clipboard, undo",
       ctx(DocumentKind::kText, true, true, false, false, true, false, false),
       with(kTextAlways, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_PASTE, ID_EDIT_UNDO,
                          ID_CONV_LOWER, ID_CONV_WRAP})},
      // Only text pastes into text; a Source document enables compiling.
      {"source, design clipboard, redo", ctx(DocumentKind::kSource, false, false, true, true, false, true, false),
       with(kTextAlways, {ID_EDIT_REDO, ID_BUILD_DEBUGRUN, ID_BUILD_RELEASE, ID_BUILD_DEBUG})},
      {"html", ctx(DocumentKind::kHtml, true, false, false, false, false, false, false),
       with(kTextAlways, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_CONV_LOWER, ID_CONV_WRAP})},
      // A window design: clipboard commands follow its selection and format; no text tools, no print.
      {"design", ctx(DocumentKind::kWindowDesign, true, true, true, false, true, true, true),
       with(kSaveClose, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_PASTE, ID_EDIT_SELECTALL,
                         ID_EDIT_UNDO, ID_EDIT_REDO, ID_BUILD_DEBUGRUN, ID_BUILD_RELEASE, ID_BUILD_DEBUG})},
      {"design, text clipboard", ctx(DocumentKind::kWindowDesign, false, true, false, false, false, false, false),
       with(kSaveClose, {ID_EDIT_SELECTALL})},
      // A menu design greys find, replace, counts, the clipboard and select all.
      {"menu", ctx(DocumentKind::kMenuDesign, true, true, true, true, true, false, false),
       with(kSaveClose, {ID_EDIT_UNDO})},
      // An icon pastes bitmaps.
      {"icon", ctx(DocumentKind::kIcon, false, true, true, true, false, false, false),
       with(kSaveClose, {ID_EDIT_PASTE})},
      // Cut and copy follow an icon's selection; it offers no Delete and no select all.
      {"icon, selection, undo, redo", ctx(DocumentKind::kIcon, true, true, false, false, true, true, false),
       with(kSaveClose, {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_UNDO, ID_EDIT_REDO})},
  };
  for (const Case& c : cases) {
    const std::map<int, bool> states = StatesOf(c.ctx);
    EXPECT_EQ(Enabled(states, kWatched), c.enabled) << c.what;
  }
}

TEST(CommandStates, EveryConversionFollowsTheSelection) {
  CommandContext c;
  c.kind = DocumentKind::kText;
  for (bool selection : {false, true}) {
    c.selection = selection;
    const std::map<int, bool> states = StatesOf(c);
    for (int id : {ID_CONV_LOWER, ID_CONV_UPPER, ID_CONV_HALFWIDTH, ID_CONV_FULLWIDTH, ID_CONV_KATAKANA,
                   ID_CONV_HIRAGANA, ID_CONV_TAB2SPACE, ID_CONV_SPACE2TAB, ID_CONV_QUOTEWRAP, ID_CONV_WRAP})
      EXPECT_EQ(states.at(id), selection) << id;
  }
}

TEST(CommandStates, ProjectCommandsNeedAnOpenProjectButOpeningAndCreatingDoNot) {
  const int needsProject[] = {ID_PROJECT_CLOSE, ID_PROJECT_SAVE,      ID_PROJECT_OPTIONS, ID_PV_FILEPROPS,
                              ID_PV_OPENFILE,   ID_PV_ADDFILE,        ID_PV_REMOVEFILE,   ID_PV_OPENMATERIAL,
                              ID_PV_DELETEMATERIAL, ID_PV_NEWWINDOW,  ID_PV_GOTOCLASS,    ID_PV_CHANGEID,
                              ID_PV_ADDICON,    ID_PV_NEWMENU,        ID_PV_MAINICON,     ID_PV_ADDBITMAP,
                              ID_PV_ADDCURSOR};
  for (DocumentKind kind : {DocumentKind::kNone, DocumentKind::kSource, DocumentKind::kWindowDesign}) {
    for (bool project : {false, true}) {
      CommandContext c;
      c.kind = kind;
      c.projectOpen = project;
      const std::map<int, bool> states = StatesOf(c);
      for (int id : needsProject) {
        ASSERT_EQ(states.count(id), 1u) << id;
        EXPECT_EQ(states.at(id), project) << id;
      }
      // No state means never greyed.
      EXPECT_EQ(states.count(ID_PROJECT_OPEN), 0u);
      EXPECT_EQ(states.count(ID_PROJECT_NEW), 0u);
    }
  }
}
