#include "assist/statement_syntax.h"

#include "assist/text_scan.h"

namespace {

struct SyntaxRow {
  const char* word;
  const char* text;
};

const char kSelectText[] = "Select Case testexpression";

const SyntaxRow kRows[] = {
    {"Abstract", "Abstract Sub/Function ([arglist]) [As type]]"},
    {"Beep", "Beep"},
    {"ChDir", "ChDir directory$"},
    {"Circle", "Circle (x, y), radius, [color], [start], [end], [aspect], [f], [brushcolor]"},
    {"Class", "Class name"},
    {"Close", "Close [filenumber]"},
    {"Cls", "Cls [number]"},
    {"Color", "Color color, [backcolor]"},
    {"Const", "Const constname = expression"},
    {"Debug", "Debug"},
    {"Declare", "Declare Sub/Function name Lib \"libname\" [Alias \"aliasname\"] ([arglist]) [As type]]"},
    {"Def", "Def func([parms] [,parms2])=expression"},
    {"Dim", "Dim variable [(subscripts)] As type, ..."},
    {"End", "End [type]"},
    {"Enum", "Enum name"},
    {"Field", "Field #filenumber, fieldbyte"},
    {"For", "For variable=start To end [Step step]"},
    {"Function", "Function name ([arglist]) [As type]"},
    {"Get", "Get #filenumber, recode, StrBuffer"},
    {"GoSub", "GoSub label"},
    {"Goto", "Goto label"},
    {"If", "If judgment Then truecommand [Else falsecommand]"},
    {"Inherits", "Inherits BaseClass"},
    {"Input", "Input [# filenumber, ] variable, [...]"},
    {"Interface", "Interface name"},
    {"Kill", "Kill filename$"},
    {"Let", "[Let] variable = expression"},
    {"Line", "Line [(sx, sy)] -[Step] (ex, ey), [color], [B/Bf], [color2]"},
    {"Locate", "Locate x, y"},
    {"Loop", "Loop while/until judgment"},
    {"MkDir", "MkDir directory$"},
    {"MsgBox", "MsgBox hWnd, String$, [Title$], [BoxType], [retAns]"},
    {"Next", "Next"},
    {"Open", "Open filename$ [For Input/Output/Append] As number"},
    {"Paint", "Paint (x, y), brushcolor, [linecolor]"},
    {"Print", "Print outdata, [...]"},
    {"Private", "Private"},
    {"Protected", "Protected"},
    {"PSet", "PSet (x, y), [color]"},
    {"Public", "Public"},
    {"Put", "Put #filenumber, recode, StrBuffer"},
    {"Randomize", "Randomize [number]"},
    {"Rem", "Rem [comment]"},
    {"Return", "Return"},
    {"Select", kSelectText},
    {"SelectCase", kSelectText},
    {"Sub", "Sub name ([arglist])"},
    {"Type", "Type name"},
    {"TypeDef", "TypeDef newtype = basetype"},
    {"Virtual", "Virtual Sub/Function ([arglist]) [As type]]"},
    {"Wend", "Wend"},
    {"While", "While judgment"},
    {"Window", "Window hWnd, OwnerWnd, x, y, width, height, title$, style, [class$], [ID], [callbackfunction], [ExStyle]"},
    {"With", "With object"},
    {"Write", "Write [data, ...]"},
};

}  // namespace

int StatementSyntaxCount() { return static_cast<int>(sizeof(kRows) / sizeof(kRows[0])); }

const char* LookupStatementSyntax(std::string_view word) {
  for (const SyntaxRow& row : kRows) {
    if (assist::EqualsNoCase(word, row.word)) return row.text;
  }
  return nullptr;
}
