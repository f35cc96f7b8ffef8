#pragma once
// Parameter hints: deciding after each keystroke what the hint shows, and
// cutting a hint text into the pieces the hint window draws.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "assist/program_index.h"

// The argument index when the caret is behind the call's closing parenthesis.
constexpr int kHintBehindCall = 0x7FFF;

struct HintState {
  bool shown = false;     // a hint is shown (window or status bar)
  std::string text;
  std::string name;       // what the hint belongs to
  int index = 0;
  int lineStart = 0;      // start of the line holding the call
  int row = -1;           // caret row of the last update
};

struct HintDecision {
  enum Action {
    kNothing,  // leave everything as it is
    kClose,    // close the hint (if one is shown)
    kRedraw,   // same hint, draw it again with `index`
    kShow,     // show text/name/index (new or replacing the shown one)
  };
  Action action = kNothing;
  std::string text;
  std::string name;
  int index = 0;
  int lineStart = 0;
  int row = -1;           // the caret row to remember in every case
};

// Looks a called name up; true with the hint text when found.
using DeclarationLookup = std::function<bool(const std::string& name, std::string& text)>;

// Whether the line starting at a byte lies inside a block comment ("/*" ...
// "*/"), asked only when a hint is about to open: of an index of this same
// text, of `lineStartInComment` (the editor answers from its cached comment
// states; the call may move the document's storage, and UpdateHint reads no
// text after it), or, with neither, by scanning the text before the line.
struct BlockCommentQuery {
  BlockCommentQuery(const ProgramIndex* index = nullptr) : docIndex(index) {}
  explicit BlockCommentQuery(std::function<bool(int lineStart)> query) : lineStartInComment(std::move(query)) {}
  const ProgramIndex* docIndex = nullptr;
  std::function<bool(int lineStart)> lineStartInComment;
};

// The UpdateHint scan over the document text: caret byte and row, the
// current hint state. lookup finds declarations (may be empty); it is called
// only for a name that differs from the shown hint's, so a caller can fetch
// the program index inside it and keystrokes that need no lookup never build
// one.
HintDecision UpdateHint(const char* text, int length, int caret, int caretRow,
                        const HintState& state, const BlockCommentQuery& blockComments,
                        const DeclarationLookup& lookup);

// Applies a decision to the state the hint window keeps.
void ApplyHintDecision(HintState& state, const HintDecision& decision);

// A lookup through FindDeclaration on a program index at a caret byte of it.
DeclarationLookup ProgramDeclarationLookup(const ProgramIndex& program, int programCaret);

struct HintPiece {
  std::string text;
  bool bold = false;
};

// The hint text cut for drawing: the head (through the first space or "("),
// each argument (bold when its index is `index`), ", " between arguments,
// then the closing parenthesis and the rest.
std::vector<HintPiece> SplitHintText(std::string_view text, int index);

// The help keyword of a hint: its text up to the first space or "(".
std::string HintKeyword(std::string_view text);
