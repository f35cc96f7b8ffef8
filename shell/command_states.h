#pragma once
// Which commands are enabled, as a pure function of a small record of the
// program's state. The frame applies the result to the menus and toolbar.
#include <vector>

#include "lang/document_kind.h"

struct CommandContext {
  DocumentKind kind = DocumentKind::kNone;  // of the active document; kNone without one
  bool selection = false;        // text selected, or (designer) controls selected
  bool canUndo = false;
  bool canRedo = false;
  bool clipboardText = false;    // CF_TEXT offered
  bool clipboardDesign = false;  // the designer's control format offered
  bool clipboardBitmap = false;  // CF_BITMAP offered
  bool projectOpen = false;
};

struct CommandState {
  int id = 0;
  bool enabled = false;
};
using CommandStates = std::vector<CommandState>;

// The state functions of the command groups; each appends the states of its
// own commands.
void FileCommandStates(const CommandContext& ctx, CommandStates& out);
void EditCommandStates(const CommandContext& ctx, CommandStates& out);
void SearchCommandStates(const CommandContext& ctx, CommandStates& out);
void ConversionCommandStates(const CommandContext& ctx, CommandStates& out);
void PrintCommandStates(const CommandContext& ctx, CommandStates& out);
void CompileCommandStates(const CommandContext& ctx, CommandStates& out);
void ProjectCommandStates(const CommandContext& ctx, CommandStates& out);

// Every group's states, each command once, into out (its storage is reused:
// a refresh after every keystroke allocates nothing).
void ComputeCommandStates(const CommandContext& ctx, CommandStates& out);
inline CommandStates ComputeCommandStates(const CommandContext& ctx) {
  CommandStates out;
  ComputeCommandStates(ctx, out);
  return out;
}
