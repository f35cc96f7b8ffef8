#pragma once
// The walk of a paint: from the first visible row to the last, the runs of
// equally drawn cells, the caret-row fills and the margin numbers. The window
// layer only draws what this returns.
#include <string>
#include <vector>

#include "editor/comment_state.h"
#include "editor/text_document.h"
#include "platform/win_types.h"

struct PaintColours {
  COLORREF byClass[3] = {};  // indexed by ColorClass
  COLORREF comment = 0;
  COLORREF background = 0;
  COLORREF caretRow = 0;  // the background itself when the caret row is not marked
};

struct PaintRequest {
  int topRow = 0;       // vertical scroll position
  int leftCol = 0;      // horizontal scroll position
  int visibleCols = 0;  // whole cells of the text area
  int rows = 0;         // window rows walked
  int selStart = 0;     // selected bytes [selStart, selEnd)
  int selEnd = 0;
  int caretRow = -1;    // absolute display row of the caret
  int linkStart = -1;   // Ctrl-hover word [linkStart, linkEnd), -1 = none
  int linkEnd = -1;
};

// Cells [col, col + length) of window row `row`, drawn from frame.text.
struct PaintRun {
  int row = 0;
  int col = 0;  // window column; may lie left of the text area
  int start = 0;
  int length = 0;
  COLORREF fg = 0;
  COLORREF bg = 0;
  bool underline = false;
  bool transparent = false;  // background equal to the window background
};

// The rest of a window row from `col` on, in the caret-row colour.
struct PaintFill {
  int row = 0;
  int col = 0;
};

struct PaintFrame {
  std::string text;  // bytes of every run: TABs as spaces, CR LF as one space
  std::vector<PaintRun> runs;
  std::vector<PaintFill> fills;
  int firstNumber = 1;   // margin number of window row 0
  int numberedRows = 0;  // window rows that show text
  void Clear();
};

// A run starting left of the window keeps only its cells from this column on.
constexpr int kPaintLeftKeep = -10;

void BuildPaintRuns(TextDocument& doc, CommentStateCache& comments, const PaintColours& colours,
                    const PaintRequest& request, PaintFrame& out);

// The margin text of a row number: right-aligned in `digits` places, then ":".
std::string MarginLabel(int number, int digits);
