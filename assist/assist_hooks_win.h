#pragma once
// What the editor asks of the editing assistance (completion list, block
// completion, parameter hints) of its document.
class EditorView;

// After the caret moved (UpdateCaret): the completion list follows the caret;
// in a Source document a shown hint is updated.
void AssistTrackCaret(EditorView& view);
// Reactions to a typed character, after it was inserted and the view
// followed: parameter hints, block completion and member completion in
// Source documents; in Html documents a space may open the attribute list.
void AssistAfterTyped(EditorView& view, unsigned char c);
