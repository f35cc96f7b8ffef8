#pragma once
// Where the completion list and the parameter hint go on the screen, and how
// the hint's text is laid out. Pixel arithmetic only; the windows measure
// fonts and frames and pass the numbers in.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "assist/parameter_hint.h"
#include "platform/screen_area.h"

// Rows a completion list shows before it needs a scroll bar.
constexpr int kListVisibleRows = 15;

struct ListMetrics {
  int caretX = 0, caretY = 0;      // screen position of the caret's top
  int cellWidth = 0, rowHeight = 0;  // the editor's cx and cy
  int widestText = 0;              // widest item text in the list font
  int itemHeight = 0;
  int itemCount = 0;
  int frameWidth = 0, frameHeight = 0;  // window size minus client size
  int scrollBarWidth = 0;
  ScreenArea area;
};

struct ListPlacement {
  int x = 0, y = 0, width = 0, height = 0;
  bool scrollBar = false;
};

// One cell left of the caret and directly below its row; at most 15 rows
// (then with a scroll bar); kept inside the work area: pushed left at its
// right edge, right at its left edge, and opened above the caret row near
// its bottom.
ListPlacement PlaceCompletionList(const ListMetrics& m);

struct HintRun {
  std::string text;
  bool bold = false;
  int x = 0, y = 0;
};

struct HintLayout {
  std::vector<HintRun> runs;
  int width = 0;   // window width: the longest line plus 20
  int height = 0;  // window height: the text plus 2
};

// Width of a text in the normal or the bold font.
using MeasureText = std::function<int(std::string_view text, bool bold)>;

// The head at (2, 2), then the pieces on the same line; a piece that would
// reach past maxRight starts a new line at x = 10, where it stays however
// wide it is.
// maxRight for a hint whose caret is at caretX: up to the work area's right
// edge, and never so small that every argument takes a line of its own.
int HintMaxRight(const ScreenArea& area, int caretX);
HintLayout LayoutHint(const std::vector<HintPiece>& pieces, const MeasureText& measure, int lineHeight,
                      int maxRight);

struct HintPlacementInput {
  int caretX = 0, caretY = 0;  // screen position of the caret's top
  int fontHeight = 0;          // the editor font's lfHeight
  int rowHeight = 0;           // the editor's cy, used when fontHeight is 0
  int width = 0, height = 0;   // of the laid-out hint
  bool shown = false;          // an already shown hint keeps its x
  int shownX = 0;
  ScreenArea area;
};

struct HintPlacement {
  int x = 0, y = 0;
};

// x = caret x - 20 (or the shown window's x), y = one editor line below the
// caret's top; a hint that would leave the work area at the bottom goes
// above the caret row instead.
HintPlacement PlaceHint(const HintPlacementInput& in);
