#pragma once
// What every kind of document does for the shell: text documents now, window
// designs, menus and icons alike. The frame routes the edit and file commands
// of the active document through this interface.
#include <string>

#include "shell/command_states.h"

struct EditableText;

class Document {
 public:
  virtual ~Document() = default;

  // The text of the text kinds; null for the others.
  virtual EditableText* Text() { return nullptr; }

  virtual bool Modified() const = 0;
  // Forgets the unsaved changes (the file went to the recycle bin and the
  // window closes without asking).
  virtual void ClearModified() = 0;
  // One step back or forward; false when there is none (the caller beeps).
  virtual bool Undo() = 0;
  virtual bool Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void DeleteSelection() = 0;
  virtual void SelectAll() = 0;
  // Writes the document to path (the shell has chosen and checked it, and
  // retitles the document on success). A failure is reported here, once;
  // false then, and the document stays modified.
  virtual bool SaveTo(const std::string& path) = 0;
  // The kind-specific part of the command context: selection, undo, redo and
  // what the clipboard offers this kind.
  virtual void FillCommandContext(CommandContext& ctx) const = 0;
  // A window-design or menu document: the name of the definition it shows;
  // empty for the other kinds.
  virtual std::string DefinitionName() const { return std::string(); }
};
