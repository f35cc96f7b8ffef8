#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/completion_items.h"
#include "assist/member_list.h"
#include "assist/member_lookup.h"
#include "assist/program_index.h"
#include "program_text_support.h"

namespace {

const char kShapes[] = R"(' Shapes of a drawing program
TypeDef PPoint = *Point
TypeDef PointAlias = Point
TypeDef PPointAlias = *PointAlias
TypeDef Loop1 = Loop2
TypeDef Loop2 = Loop1

Type Point
  x As Long
  y As Long
End Type

Type Rect
  topLeft As Point
  corners[4] As Point
  origin As *Point
  area As Double
End Type

Class Shape
Public
  Sub Shape()
    Dim tmp As Point
  End Sub
  Sub ~Shape()
  End Sub
  Abstract Function Area() As Double
  Virtual Sub Draw(hdc As DWORD)
    Dim local As Long
  End Sub
  name As String
Protected
  bounds As Rect
Private
  id As Long
End Class

Class Circle
  Inherits Shape
  hidden As Long
Public
  Sub Circle(r As Long)
    radius = r
  End Sub
  Sub ~Circle()
  End Sub
  Function Area() As Double
    '@inArea
  End Function
  radius As Long
  center As Point
End Class

Interface IDrawable
  Sub Paint(hdc As DWORD)
  Function Bounds() As Rect
End Interface

Class Ring : Inherits Circle
  /* a block comment: Dim fake As Long */
  inner As Long ' trailing comment
End Class

Class Ping
  Inherits Pong
  a As Long
End Class
Class Pong
  Inherits Ping
  b As Long
End Class

Dim gPoint As Point, gRect As Rect
Dim gShapes[10] As *Shape
Dim gCircle As Circle
Dim p As Point
Dim gDraw As IDrawable
Dim gRing As Ring
Dim gPing As Ping

Sub Main()
  Dim p As *Point
  Dim r As Rect
  Dim pts[3] As Point
  Dim pp As PPoint, pa As PPointAlias
  Dim ppp As **Point
  Dim c As Circle
  Dim cyc As Loop1
  Dim n As Long
  '@inMain
End Sub

Function Scale(ByRef pt As Point, ByVal k As Long, _
               arr[] As Rect) As Long
  '@inScale
End Function

Sub Other()
  '@inOther
End Sub
)";


// The member list after typing `expr` at the marker; the document and the
// program text are the same text.
std::vector<CompletionItem> Members(const char* source, const std::string& marker,
                                    const std::string& expr, bool* opened = nullptr) {
  std::string text = Crlf(source);
  size_t at = text.find("'@" + marker);
  EXPECT_NE(at, std::string::npos) << marker;
  text.replace(at, marker.size() + 2, expr);
  ProgramIndex index(text.data(), static_cast<int>(text.size()));
  int p = static_cast<int>(at + expr.size()) - 1;
  std::vector<CompletionItem> items;
  int start = -1;
  bool open = OpenMemberList(text.data(), static_cast<int>(text.size()), p, 100, index, p, items, start);
  if (open) {
    EXPECT_EQ(start, p + 1);
  }
  EXPECT_EQ(open, !items.empty());
  if (opened) *opened = open;
  return items;
}

std::vector<std::string> Names(const std::vector<CompletionItem>& items) {
  std::vector<std::string> out;
  for (const CompletionItem& item : items) out.push_back(item.text);
  return out;
}

const std::vector<std::string> kPointMembers = {"x", "y"};
const std::vector<std::string> kRectMembers = {"topLeft", "corners", "origin", "area"};

TEST(MemberLookup, InheritedMembersComeFirstWithoutBaseConstructors) {
  std::vector<CompletionItem> items = Members(kShapes, "inMain", "c.");
  EXPECT_EQ(Names(items), (std::vector<std::string>{"Area", "Draw", "name", "bounds", "id", "hidden",
                                                    "Circle", "~Circle", "radius", "center"}));
  ASSERT_EQ(items.size(), 10u);
  // Shape's abstract Area wins over Circle's own Area (duplicates dropped).
  EXPECT_EQ(items[0].flags, kItemAbstract);
  EXPECT_EQ(items[0].kind, kItemPublic);
  EXPECT_EQ(items[1].flags, kItemVirtual);
  EXPECT_EQ(items[3].kind, kItemProtected);
  EXPECT_EQ(items[4].kind, kItemPrivate);
  EXPECT_EQ(items[5].kind, kItemPrivate);  // a Class starts private
  EXPECT_EQ(items[6].flags, kItemSub);
  EXPECT_EQ(items[9].flags, kItemVariable);
  EXPECT_EQ(CompletionImageIndex(items[0]), 3);
  EXPECT_EQ(CompletionImageIndex(items[4]), 0);
}

TEST(MemberLookup, StructuresInterfacesAndChains) {
  EXPECT_EQ(Names(Members(kShapes, "inMain", "r.")), kRectMembers);
  EXPECT_EQ(Names(Members(kShapes, "inMain", "r.topLeft.")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inMain", "r.corners[i + 1].")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inMain", "r.origin->")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inMain", "gCircle.center.")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inMain", "gRect.")), kRectMembers);
  std::vector<CompletionItem> items = Members(kShapes, "inMain", "gDraw.");
  EXPECT_EQ(Names(items), (std::vector<std::string>{"Paint", "Bounds"}));
  for (const CompletionItem& item : items) EXPECT_EQ(item.kind, kItemPublic);
  // Ring inherits through a colon-separated Inherits; comments declare nothing.
  items = Members(kShapes, "inMain", "gRing.");
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.back().text, "inner");
  for (const CompletionItem& item : items) {
    EXPECT_NE(item.text, "fake");
    EXPECT_NE(item.text, "Circle");  // the base's constructor
    EXPECT_NE(item.text, "~Circle");
  }
}

TEST(MemberLookup, OperatorMustFitTheVariable) {
  // Local p (a pointer) shadows the global p (an object).
  EXPECT_EQ(Names(Members(kShapes, "inMain", "p->")), kPointMembers);
  EXPECT_TRUE(Members(kShapes, "inMain", "p.").empty());
  EXPECT_EQ(Names(Members(kShapes, "inMain", "p[0].")), kPointMembers);
  EXPECT_TRUE(Members(kShapes, "inMain", "p[0]->").empty());
  // The global p is an object outside Main.
  EXPECT_EQ(Names(Members(kShapes, "inOther", "p.")), kPointMembers);
  EXPECT_TRUE(Members(kShapes, "inOther", "p->").empty());
  // Arrays need an index; arrays of pointers take "->" with it.
  EXPECT_TRUE(Members(kShapes, "inMain", "pts.").empty());
  EXPECT_EQ(Names(Members(kShapes, "inMain", "pts[2].")), kPointMembers);
  EXPECT_TRUE(Members(kShapes, "inMain", "r.corners.").empty());
  EXPECT_FALSE(Members(kShapes, "inMain", "gShapes[1]->").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "gShapes->").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "gShapes[1].").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "c[1][2].").empty());
  // Pointers to pointers, built-in types, unknown names, methods.
  EXPECT_TRUE(Members(kShapes, "inMain", "ppp->").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "n.").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "c.radius.").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "nothing.").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "c.Area.").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "C.").empty());  // names are exact
}

TEST(MemberLookup, TypeDefChainsAndCycles) {
  EXPECT_EQ(Names(Members(kShapes, "inMain", "pp->")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inMain", "pa->")), kPointMembers);
  EXPECT_TRUE(Members(kShapes, "inMain", "pp.").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "cyc.").empty());
  // Inherits cycles end.
  std::vector<CompletionItem> items = Members(kShapes, "inMain", "gPing.");
  EXPECT_FALSE(items.empty());
}

TEST(MemberLookup, ParametersAndEnclosingClassMembers) {
  EXPECT_EQ(Names(Members(kShapes, "inScale", "pt.")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inScale", "arr[0].")), kRectMembers);
  EXPECT_TRUE(Members(kShapes, "inScale", "k.").empty());
  EXPECT_TRUE(Members(kShapes, "inScale", "r.").empty());  // Main's local
  EXPECT_EQ(Names(Members(kShapes, "inArea", "center.")), kPointMembers);
  EXPECT_EQ(Names(Members(kShapes, "inArea", "bounds.")), kRectMembers);
}

TEST(MemberLookup, CommentsStringsAndOverlongExpressions) {
  EXPECT_TRUE(Members(kShapes, "inMain", "' r.").empty());
  EXPECT_TRUE(Members(kShapes, "inMain", "x = \"r.").empty());
  EXPECT_FALSE(Members(kShapes, "inMain", "x = \"it's\" + r.").empty());
  EXPECT_FALSE(Members(kShapes, "inMain", "Print(r.").empty());
  // The trail byte of ア is an "A": it does not join the expression.
  EXPECT_EQ(Names(Members(kShapes, "inMain", "x = \"漢\" + アp->")), kPointMembers);
  std::string index(600, '1');
  EXPECT_TRUE(Members(kShapes, "inMain", "pts[" + index + "].").empty());
  std::string shorter(400, '1');
  EXPECT_FALSE(Members(kShapes, "inMain", "pts[" + shorter + "].").empty());
  std::string longer(1500, '1');
  EXPECT_TRUE(Members(kShapes, "inMain", "With r: pts[" + longer + "].").empty());
  // A long line before a short expression does not matter.
  std::string line = "x = \"it's\"";
  for (int i = 0; i < 1000; ++i) line += " + a";
  EXPECT_EQ(Names(Members(kShapes, "inMain", line + " + r.topLeft.")), kPointMembers);
}

const char kWith[] = R"(Type Point
  x As Long
  y As Long
End Type
Type Rect
  topLeft As Point
  origin As *Point
End Type
Sub Main()
  Dim r As Rect
  Dim q As Point
  With r
    '@first
    For i = 1 To 2
      Print i
    Next
    With .topLeft
      '@nested
    End With
    '@after
    With q
    End With
    '@afterClosed
    If a Then
    End Function
    '@mismatch
  End With
  '@outside
End Sub
)";

TEST(MemberLookup, WithBlocksPrefixTheObject) {
  EXPECT_EQ(Names(Members(kWith, "first", ".")), (std::vector<std::string>{"topLeft", "origin"}));
  EXPECT_EQ(Names(Members(kWith, "first", ".topLeft.")), kPointMembers);
  EXPECT_EQ(Names(Members(kWith, "first", ".origin->")), kPointMembers);
  EXPECT_EQ(Names(Members(kWith, "nested", ".")), kPointMembers);
  EXPECT_EQ(Names(Members(kWith, "after", ".")), (std::vector<std::string>{"topLeft", "origin"}));
  EXPECT_EQ(Names(Members(kWith, "afterClosed", ".")), (std::vector<std::string>{"topLeft", "origin"}));
  EXPECT_TRUE(Members(kWith, "mismatch", ".").empty());
  EXPECT_TRUE(Members(kWith, "outside", ".").empty());
  EXPECT_EQ(Names(Members(kWith, "outside", "q.")), kPointMembers);
}

TEST(MemberLookup, WithSearchHonoursTheLineLimit) {
  std::string text = "Type P\r\n  x As Long\r\nEnd Type\r\nSub M()\r\nDim a As P\r\nWith a\r\n";
  for (int i = 0; i < 5; ++i) text += "Print 1\r\n";
  text += ".";
  int p = static_cast<int>(text.size()) - 1;
  ProgramIndex index(text.data(), static_cast<int>(text.size()));
  std::vector<CompletionItem> items;
  int start;
  EXPECT_TRUE(OpenMemberList(text.data(), p + 1, p, 6, index, p, items, start));
  EXPECT_FALSE(OpenMemberList(text.data(), p + 1, p, 5, index, p, items, start));
  EXPECT_TRUE(OpenMemberList(text.data(), p + 1, p, 200, index, p, items, start));
}

TEST(ProgramIndex, BlocksProceduresAndComments) {
  std::string text = Crlf(kShapes);
  ProgramIndex index(text.data(), static_cast<int>(text.size()));
  int shape = index.FindType("Shape");
  ASSERT_GE(shape, 0);
  EXPECT_EQ(index.Types()[shape].kind, kBlockClass);
  EXPECT_EQ(index.Types()[index.FindType("Point")].kind, kBlockType);
  EXPECT_EQ(index.Types()[index.FindType("IDrawable")].kind, kBlockInterface);
  EXPECT_EQ(index.Types()[index.FindType("Circle")].base, "Shape");
  EXPECT_EQ(index.Types()[index.FindType("Ring")].base, "Circle");
  EXPECT_LT(index.FindType("shape"), 0);
  // The caret inside Draw's body lies in a procedure owned by Shape.
  int draw = static_cast<int>(text.find("Dim local"));
  int proc = index.ProcAt(draw);
  ASSERT_GE(proc, 0);
  EXPECT_EQ(index.Procs()[proc].owner, shape);
  EXPECT_EQ(index.TypeAt(draw), shape);
  // Scale's parameters, continued over two lines.
  int scale = index.ProcAt(static_cast<int>(text.find("'@inScale")));
  ASSERT_GE(scale, 0);
  const std::vector<VarDecl>& params = index.Procs()[scale].params;
  ASSERT_EQ(params.size(), 3u);
  EXPECT_EQ(params[0].name, "pt");
  EXPECT_EQ(params[1].typeName, "Long");
  EXPECT_TRUE(params[2].isArray);
  EXPECT_EQ(params[2].typeName, "Rect");
  int comment = static_cast<int>(text.find("a block comment"));
  EXPECT_TRUE(index.InBlockComment(comment));
  EXPECT_FALSE(index.InBlockComment(comment - 3));  // the "/*" itself opens it
  EXPECT_FALSE(index.InBlockComment(static_cast<int>(text.find("inner As"))));
  const VarDecl* g = index.GlobalVar("gShapes");
  ASSERT_NE(g, nullptr);
  EXPECT_TRUE(g->isArray);
  EXPECT_EQ(g->typeStars, 1);
  EXPECT_EQ(index.GlobalVar("tmp"), nullptr);  // a local of Shape's constructor
}

TEST(ProgramIndex, InterfaceMethodsWithoutBodiesKeepLaterMembers) {
  std::string text = Crlf(R"(Interface I
  Sub A()
  Function B() As Long
End Interface
Class K
  Sub NoBody()
  later As Point
  Sub WithBody()
    Dim inBody As Long
  End Sub
End Class
)");
  ProgramIndex index(text.data(), static_cast<int>(text.size()));
  std::vector<CompletionItem> items;
  EnumerateMembers(index, index.FindType("I"), items);
  EXPECT_EQ(Names(items), (std::vector<std::string>{"A", "B"}));
  items.clear();
  EnumerateMembers(index, index.FindType("K"), items);
  EXPECT_EQ(Names(items), (std::vector<std::string>{"NoBody", "later", "WithBody"}));
}

TEST(ProgramIndexCache, RebuildsOnlyForANewVersion) {
  std::string a = Crlf(kShapes);
  ProgramIndexCache cache;
  const ProgramIndex* first = &cache.Get(a.data(), static_cast<int>(a.size()), 1);
  EXPECT_EQ(&cache.Get(a.data(), static_cast<int>(a.size()), 1), first);
  EXPECT_GE(first->FindType("Shape"), 0);
  std::string b = "Type Only\r\n  v As Long\r\nEnd Type\r\n";
  const ProgramIndex& second = cache.Get(b.data(), static_cast<int>(b.size()), 2);
  EXPECT_LT(second.FindType("Shape"), 0);
  EXPECT_GE(second.FindType("Only"), 0);
  // The same version with another text still gets a fresh index.
  const ProgramIndex& third = cache.Get(a.data(), static_cast<int>(a.size()), 2);
  EXPECT_GE(third.FindType("Shape"), 0);
  EXPECT_LT(cache.Get(nullptr, 0, 3).FindType("Shape"), 0);
}

}  // namespace
