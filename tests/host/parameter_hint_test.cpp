#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/declaration_finder.h"
#include "assist/parameter_hint.h"
#include "assist/program_index.h"
#include "assist/statement_syntax.h"
#include "program_text_support.h"

namespace {

const char kProgram[] = R"(Declare Function MessageBox Lib "user32" Alias "MessageBoxA" (hWnd As DWORD, _
    lpText As String, ' the text
    lpCaption As String, /* flags: */ uType As DWORD) As Long
Declare Sub Broken Lib "x" (a As Long
Function Export Exported(v As Long) As Long
End Function
Sub Draw2(x As Long, y As Long)
End Sub
Sub Paren(s As String, t As String)
End Sub
Sub A(q As Long)
End Sub

Class Base
Public
  Function Size(w As Long) As Long ' from Base
  End Function
End Class

Class Widget
  Inherits Base
Public
  Function Size(w As Long, h As Long) As Long
  End Function
  Sub Move(dx As Long, dy As Long)
    '@inMove
  End Sub
  child As *Widget
End Class

Sub Main()
  Dim w As Widget
  '@inMain
End Sub
)";

// Types `typed` at the marker, one byte at a time from `from` on, running
// the hint update after each byte the way the editor does.
struct Typist {
  std::string base;
  size_t at = 0;
  HintState state;
  HintDecision last;

  Typist(const char* program, const char* marker) {
    base = Crlf(program);
    at = base.find(std::string("'@") + marker);
    base.erase(at, std::string(marker).size() + 2);
  }
  void Type(const std::string& typed, int row = 5) {
    for (size_t i = 1; i <= typed.size(); ++i) {
      char c = typed[i - 1];
      if (!state.shown && c != ' ' && c != '"' && c != '(') continue;
      Update(typed.substr(0, i), row);
    }
  }
  void Update(const std::string& typed, int row) {
    std::string text = base;
    text.insert(at, typed);
    int caret = static_cast<int>(at + typed.size());
    ProgramIndex index(text.data(), static_cast<int>(text.size()));
    last = UpdateHint(text.data(), static_cast<int>(text.size()), caret, row, state, &index,
                      ProgramDeclarationLookup(index, caret));
    ApplyHintDecision(state, last);
  }
};

std::string BoldPiece(const HintState& state) {
  std::string bold;
  for (const HintPiece& p : SplitHintText(state.text, state.index)) {
    if (p.bold) bold += p.text;
  }
  return bold;
}

TEST(ParameterHint, StatementHintFollowsTheArguments) {
  Typist t(kProgram, "inMain");
  t.Type("MsgBox ");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.last.action, HintDecision::kShow);
  EXPECT_EQ(t.state.text, "MsgBox hWnd, String$, [Title$], [BoxType], [retAns]");
  EXPECT_EQ(t.state.index, 0);
  EXPECT_EQ(BoldPiece(t.state), "hWnd");
  t.Type("MsgBox h");
  EXPECT_EQ(t.last.action, HintDecision::kNothing);
  t.Type("MsgBox hWnd,");
  EXPECT_EQ(t.last.action, HintDecision::kRedraw);
  EXPECT_EQ(BoldPiece(t.state), "String$");
  t.Type("MsgBox hWnd, \"a, b\", ");
  EXPECT_EQ(BoldPiece(t.state), "[Title$]");
  // A row change alone redraws.
  t.Update("MsgBox hWnd, \"a, b\", ", 6);
  EXPECT_EQ(t.last.action, HintDecision::kRedraw);
}

TEST(ParameterHint, StatementsAfterLineNumbersAndGroups) {
  Typist t(kProgram, "inMain");
  t.Type("10 Print ");
  EXPECT_EQ(t.state.text, "Print outdata, [...]");
  Typist c(kProgram, "inMain");
  c.Type("Circle (10, ");
  ASSERT_TRUE(c.state.shown);
  EXPECT_EQ(BoldPiece(c.state), "(x, y)");
  c.Type("Circle (10, 20), ");
  EXPECT_EQ(BoldPiece(c.state), "radius");
  // An opening parenthesis after the word is skipped; the one closing it ends the hint.
  struct Case {
    const char* typed;
    const char* bold;  // null: no hint
  };
  const Case cases[] = {
      {"MsgBox(h, ", "String$"},     {"MsgBox(h, s)", nullptr},        {"If (a = 1", "judgment Then truecommand [Else falsecommand]"},
      {"If (a = 1) Then", nullptr},  {"Print (a", "outdata"},          {"Print (a), b", nullptr},
      {"Print a, (b", "[...]"},   {"Circle (1, 2), 3, (4), ", "[start]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Typist m(kProgram, "inMain");
    m.Type(c.typed);
    EXPECT_EQ(m.state.shown, c.bold != nullptr);
    EXPECT_EQ(BoldPiece(m.state), c.bold ? c.bold : "");
  }
  Typist n(kProgram, "inMain");
  n.Type("Unknown ");
  EXPECT_FALSE(n.state.shown);
  EXPECT_EQ(n.last.action, HintDecision::kNothing);
}

TEST(ParameterHint, ProgramSubShowsItsParametersUntilTheCallCloses) {
  Typist t(kProgram, "inMain");
  t.Type("Draw2(");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.state.text, "Draw2(x As Long, y As Long)");
  EXPECT_EQ(t.state.name, "Draw2");
  EXPECT_EQ(BoldPiece(t.state), "x As Long");
  t.Type("Draw2(1, ");
  EXPECT_EQ(BoldPiece(t.state), "y As Long");
  t.Type("Draw2(1, 2)");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.state.index, kHintBehindCall);
  EXPECT_EQ(BoldPiece(t.state), "");
  // Moving to the line above the hint's line closes it.
  HintDecision d = UpdateHint(t.base.data(), static_cast<int>(t.base.size()), static_cast<int>(t.at) - 3,
                              4, t.state, nullptr, nullptr);
  EXPECT_EQ(d.action, HintDecision::kClose);
}

TEST(ParameterHint, TheEditorsCommentStateDecidesForTheLineStart) {
  const std::string text = Crlf("/* open\nMsgBox ");
  const int lineStart = static_cast<int>(text.find("MsgBox"));
  const int n = static_cast<int>(text.size());
  HintState none;
  int asked = -1;
  BlockCommentQuery inComment([&asked](int at) {
    asked = at;
    return true;
  });
  EXPECT_EQ(UpdateHint(text.data(), n, n, 1, none, inComment, nullptr).action, HintDecision::kNothing);
  EXPECT_EQ(asked, lineStart);
  // The answer is taken as it is: the text before the line is not scanned.
  BlockCommentQuery outside([](int) { return false; });
  HintDecision d = UpdateHint(text.data(), n, n, 1, none, outside, nullptr);
  EXPECT_EQ(d.action, HintDecision::kShow);
  EXPECT_EQ(d.name, "MsgBox");
  // Without an answer the scan finds the open comment.
  EXPECT_EQ(UpdateHint(text.data(), n, n, 1, none, nullptr, nullptr).action, HintDecision::kNothing);
}

TEST(ParameterHint, CallsInStringsAndCommentsShowNothing) {
  Typist s(kProgram, "inMain");
  s.Type("x = \"Draw2(");
  EXPECT_FALSE(s.state.shown);
  Typist c(kProgram, "inMain");
  c.Type("x = 1 ' Draw2(");
  EXPECT_FALSE(c.state.shown);
  Typist b(kProgram, "inMain");
  b.Type("x = 1 /* Draw2(");
  EXPECT_FALSE(b.state.shown);
  // A line inside a block comment opened on an earlier line.
  std::string text = Crlf("/* open\r\nDraw2(");
  HintState none;
  HintDecision d = UpdateHint(text.data(), static_cast<int>(text.size()), static_cast<int>(text.size()),
                              1, none, nullptr, [](const std::string&, std::string& out) {
                                out = "Draw2(x)";
                                return true;
                              });
  EXPECT_EQ(d.action, HintDecision::kNothing);
}

TEST(ParameterHint, DoubleByteTrailBytesAreNoNameBytes) {
  Typist a(kProgram, "inMain");
  a.Type("x = \"漢字\" + A(");
  EXPECT_EQ(a.state.name, "A");
  // The trail byte of ア is an "A".
  Typist k(kProgram, "inMain");
  k.Type("x = ア(");
  EXPECT_FALSE(k.state.shown);
}

TEST(ParameterHint, TypingInsideAStringKeepsTheShownHint) {
  Typist t(kProgram, "inMain");
  t.Type("Paren(\"a, (b");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.state.name, "Paren");
  EXPECT_EQ(t.state.index, 0);
}

TEST(ParameterHint, NestedUnknownCallFallsBackToTheEnclosingCall) {
  Typist t(kProgram, "inMain");
  t.Type("Draw2(Unknown(");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.state.name, "Draw2");
  EXPECT_EQ(t.state.index, 0);
  t.Type("Draw2(Unknown(1), Other(");
  EXPECT_EQ(t.state.name, "Draw2");
  EXPECT_EQ(t.state.index, 1);
  // A known inner call wins.
  Typist k(kProgram, "inMain");
  k.Type("Draw2(Paren(");
  EXPECT_EQ(k.state.name, "Paren");
}

TEST(ParameterHint, ContinuedCallLinesAndLineBreaks) {
  Typist t(kProgram, "inMain");
  t.Type("Draw2(1,\r\n    ");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.state.index, 1);
  Typist u(kProgram, "inMain");
  u.Type("MsgBox ");
  ASSERT_TRUE(u.state.shown);
  u.Type("MsgBox a\r\n");
  EXPECT_FALSE(u.state.shown);
}

TEST(ParameterHint, MethodsThroughObjectsAndPointers) {
  Typist t(kProgram, "inMain");
  t.Type("w.Move(");
  ASSERT_TRUE(t.state.shown);
  EXPECT_EQ(t.state.text, "Move(dx As Long, dy As Long)");
  // Inherits is searched first: Base's Size is found before Widget's.
  Typist s(kProgram, "inMain");
  s.Type("w.Size(");
  EXPECT_EQ(s.state.text, "Size(w As Long) As Long");
  Typist p(kProgram, "inMain");
  p.Type("w.child->Move(");
  EXPECT_EQ(p.state.name, "w.child->Move");
  EXPECT_EQ(p.state.text, "Move(dx As Long, dy As Long)");
  Typist bad(kProgram, "inMain");
  bad.Type("w->Move(");
  EXPECT_FALSE(bad.state.shown);
  // Inside a method, the class's own methods need no object.
  Typist in(kProgram, "inMove");
  in.Type("Move(");
  EXPECT_EQ(in.state.text, "Move(dx As Long, dy As Long)");
  Typist out(kProgram, "inMain");
  out.Type("Move(");
  EXPECT_FALSE(out.state.shown);
}

TEST(FindDeclaration, ContinuationsCommentsAndBalance) {
  std::string text = Crlf(kProgram);
  ProgramIndex index(text.data(), static_cast<int>(text.size()));
  std::string out;
  ASSERT_TRUE(FindDeclaration(index, 0, "MessageBox", out));
  EXPECT_EQ(out, "MessageBox(hWnd As DWORD,lpText As String,lpCaption As String,  uType As DWORD) As Long");
  EXPECT_FALSE(FindDeclaration(index, 0, "Broken", out));
  EXPECT_TRUE(FindDeclaration(index, 0, "Exported", out));
  EXPECT_EQ(out, "Exported(v As Long) As Long");
  EXPECT_FALSE(FindDeclaration(index, 0, "Export", out));
  EXPECT_FALSE(FindDeclaration(index, 0, "draw2", out));
  EXPECT_FALSE(FindDeclaration(index, 0, "Size", out));  // a method is no global
  EXPECT_FALSE(FindDeclaration(index, 0, "", out));
  EXPECT_FALSE(FindDeclaration(index, 0, "w.", out));
  int inMain = static_cast<int>(text.find("'@inMain"));
  EXPECT_TRUE(FindDeclaration(text.data(), static_cast<int>(text.size()), inMain, "w.Move", out));
}

TEST(FindDeclaration, HintTextJoinsPiecesAndDropsComments) {
  std::string t = Crlf("Sub A(x As Long, _ ' one\n  y As String, /* two */ z As Long _\n  ) ' end\n");
  std::string out;
  ASSERT_TRUE(DeclarationHintText(t, 0, static_cast<int>(t.find(") '")) + 8, "A", out));
  EXPECT_EQ(out, "A(x As Long,y As String,  z As Long)");
  std::string q = "Sub Q(s As String = \"(\")";
  ASSERT_TRUE(DeclarationHintText(q, 0, static_cast<int>(q.size()), "Q", out));
  EXPECT_EQ(out, "Q(s As String = \"(\")");
  std::string u = "Sub U(s As String = \"x)";
  EXPECT_FALSE(DeclarationHintText(u, 0, static_cast<int>(u.size()), "U", out));
  std::string n = "Sub N";
  EXPECT_FALSE(DeclarationHintText(n, 0, static_cast<int>(n.size()), "N", out));
  EXPECT_FALSE(DeclarationHintText(n, 3, 99, "N", out));
}

TEST(HintText, PiecesForDrawing) {
  std::vector<HintPiece> pieces = SplitHintText("Foo(a As Long,  b(2) As Long) As Long", 1);
  ASSERT_EQ(pieces.size(), 5u);
  EXPECT_EQ(pieces[0].text, "Foo(");
  EXPECT_EQ(pieces[1].text, "a As Long");
  EXPECT_FALSE(pieces[1].bold);
  EXPECT_EQ(pieces[2].text, ", ");
  EXPECT_EQ(pieces[3].text, "b(2) As Long");
  EXPECT_TRUE(pieces[3].bold);
  EXPECT_EQ(pieces[4].text, ") As Long");
  EXPECT_FALSE(pieces[4].bold);
  pieces = SplitHintText("Beep", 0);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].text, "Beep");
  pieces = SplitHintText("Line [(sx, sy)] -[Step] (ex, ey), [color]", 0);
  ASSERT_GE(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].text, "[(sx, sy)] -[Step] (ex, ey)");
  EXPECT_TRUE(pieces[1].bold);
  std::string joined;
  for (const HintPiece& p : SplitHintText("Window hWnd, OwnerWnd, x", kHintBehindCall)) {
    EXPECT_FALSE(p.bold);
    joined += p.text;
  }
  EXPECT_EQ(joined, "Window hWnd, OwnerWnd, x");
  EXPECT_EQ(HintKeyword("MsgBox hWnd, String$"), "MsgBox");
  EXPECT_EQ(HintKeyword("Draw2(x As Long)"), "Draw2");
}

TEST(StatementSyntax, LookupIgnoresCaseAndSharesSelect) {
  EXPECT_EQ(StatementSyntaxCount(), 55);
  EXPECT_STREQ(LookupStatementSyntax("msgbox"), "MsgBox hWnd, String$, [Title$], [BoxType], [retAns]");
  EXPECT_EQ(LookupStatementSyntax("Select"), LookupStatementSyntax("SELECTCASE"));
  EXPECT_STREQ(LookupStatementSyntax("Declare"),
               "Declare Sub/Function name Lib \"libname\" [Alias \"aliasname\"] ([arglist]) [As type]]");
  EXPECT_EQ(LookupStatementSyntax("Selec"), nullptr);
  EXPECT_EQ(LookupStatementSyntax(""), nullptr);
}

}  // namespace
