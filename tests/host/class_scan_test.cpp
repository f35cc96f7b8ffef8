// The class view's recogniser: classes, types and interfaces with their
// members, global procedures, comments, bodies, overloads, line ends and
// Shift-JIS bytes at awkward places.
#include <gtest/gtest.h>

#include <string>

#include "project/class_scan.h"

namespace {

char KindChar(MemberKind k) {
  switch (k) {
    case MemberKind::kData: return 'd';
    case MemberKind::kSub: return 's';
    case MemberKind::kFunction: return 'f';
    case MemberKind::kAbstract: return 'a';
    default: return 'v';
  }
}

char AccessChar(MemberAccess a) {
  return a == MemberAccess::kPublic ? '+' : a == MemberAccess::kPrivate ? '-' : '#';
}

// Blocks as "C'Name'{-d'x' +s'Bar'}" (C class, T type, I interface; + public,
// - private, # protected; d data, s sub, f function, a abstract, v virtual),
// then globals as "G'Name'", separated by blanks.
std::string Describe(const FileScan& scan) {
  std::string out;
  for (const ClassBlock& c : scan.classes) {
    out += c.kind == ClassBlockKind::kClass ? "C'" : c.kind == ClassBlockKind::kType ? "T'" : "I'";
    out += c.name + "'{";
    for (size_t i = 0; i < c.members.size(); ++i) {
      const ClassMember& m = c.members[i];
      out += (i ? " " : "") + std::string(1, AccessChar(m.access)) + KindChar(m.kind) + "'" + m.name + "'";
    }
    out += "} ";
  }
  for (const GlobalProc& g : scan.globals) out += "G'" + g.name + "' ";
  if (!out.empty()) out.pop_back();
  return out;
}

struct Case {
  const char* name;
  std::string text;
  std::string expected;
  Newline newline = Newline::kCrLf;
};

TEST(ClassScan, RecognisesDeclarations) {
  const Case cases[] = {
      {"sections and kinds",
       "Class Foo\r\n  x As Long\r\nPublic\r\n  Sub Bar()\r\n    y = 1\r\n  End Sub\r\n"
       "  Function Baz() As Long\r\n  End Function\r\nProtected\r\n  z As Long\r\nEnd Class\r\n"
       "Sub Main()\r\nEnd Sub\r\n",
       "C'Foo'{-d'x' +s'Bar' +f'Baz' #d'z'} G'Main'"},
      {"type members are public", "Type Point\r\n\tx As Long\r\n\ty As Long\r\nEnd Type\r\n", "T'Point'{+d'x' +d'y'}"},
      {"interface methods have no body",
       "Interface IFoo\r\n  Sub A()\r\n  Function B() As Long\r\nEnd Interface\r\nFunction F()\r\n",
       "I'IFoo'{+s'A' +f'B'} G'F'"},
      {"keywords in any letter case", "CLASS Foo\r\nPUBLIC\r\nSUB Bar()\r\nEND SUB\r\nEND CLASS\r\nfunction g()",
       "C'Foo'{+s'Bar'} G'g'"},
      {"Inherits is no member", "Class B\r\n  Inherits A\r\n  v As Long\r\nEnd Class", "C'B'{-d'v'}"},
      {"apostrophe comments", "Class Foo ' the class\r\n ' x As Long\r\n w As Long ' Public\r\n v As Long\r\nEnd Class",
       "C'Foo'{-d'w' -d'v'}"},
      {"block comments",
       "Class /* c */ Foo\r\n /* y As Long\r\n z As Long */ w As Long\r\n x /* : q */ As Long\r\nEnd Class",
       "C'Foo'{-d'w' -d'x'}"},
      {"name on the next line", "Class\r\n  Foo\r\n  x As Long\r\nEnd Class", "C'Foo'{-d'x'}"},
      {"statements after colons", "Class A\r\nx As Long : y As Long\r\nEnd Class", "C'A'{-d'x' -d'y'}"},
      {"a block on one line", "Class A : x As Long : End Class\r\nSub B()", "C'A'{-d'x'} G'B'"},
      {"colon inside a string", "Class A\r\nx As String = \"a:b\"\r\nEnd Class", "C'A'{-d'x'}"},
      {"End Class inside a method body ends the block",
       "Class A\r\nSub M()\r\n  x = 1\r\nEnd Class\r\nSub G()\r\n", "C'A'{-s'M'} G'G'"},
      {"End Type inside a method body ends the block", "Class A\r\nSub M()\r\nEnd Type\r\nSub G()", "C'A'{-s'M'} G'G'"},
      {"End Class in a body's comment or string does not",
       "Class A\r\nSub M()\r\n ' End Class\r\n s = \"End Class\"\r\n /* End Class */\r\nEnd Sub\r\n"
       "Sub N()\r\nEnd Sub\r\nEnd Class",
       "C'A'{-s'M' -s'N'}"},
      {"a body statement that looks like a member",
       "Class A\r\nSub M()\r\n  Public\r\n  count As Long\r\nEnd Sub\r\nz As Long\r\nEnd Class",
       "C'A'{-s'M' -d'z'}"},
      {"End Function ends a Sub's body too", "Class A\r\nSub M()\r\nEnd Function\r\nx As Long\r\nEnd Class",
       "C'A'{-s'M' -d'x'}"},
      {"a stray End statement declares nothing", "Class A\r\nEnd Sub\r\nx As Long\r\nEnd Class", "C'A'{-d'x'}"},
      {"overloads get a trailing blank each",
       "Class A\r\nPublic\r\nSub F(a As Long)\r\nEnd Sub\r\nSub F(a As String)\r\nEnd Sub\r\n"
       "Sub F()\r\nEnd Sub\r\nSub f()\r\nEnd Sub\r\nEnd Class",
       "C'A'{+s'F' +s'F ' +s'F  ' +s'f'}"},
      {"a data member and a method of one name", "Type T\r\nv As Long\r\nSub v()\r\nEnd Sub\r\nEnd Type",
       "T'T'{+d'v' +s'v '}"},
      {"~ names", "Class A\r\nSub ~A()\r\nEnd Sub\r\nEnd Class\r\nClass ~B\r\nEnd Class", "C'A'{-s'~A'} C'~B'{}"},
      {"Abstract and Virtual",
       "Class A\r\nPublic\r\nAbstract Function F() As Long\r\nVirtual Sub G()\r\n  x = 1\r\nEnd Sub\r\n"
       "Abstract H\r\nVirtual\tSub\tK()\r\nEnd Sub\r\nVirtual L()\r\nEnd Sub\r\nEnd Class",
       "C'A'{+a'F' +v'G' +a'H' +v'K' +v'L'}"},
      {"Abstract needs a blank", "Class A\r\nAbstract\r\nx As Long\r\nEnd Class", "C'A'{-d'Abstract' -d'x'}"},
      {"Export procedures", "Function Export Exported(x As Long) As Long\r\nSub export Other()\r\nSub Export()\r\n",
       "G'Exported' G'Other'"},
      {"line numbers, blanks and tabs", "10 Sub A()\r\n\t20\tFunction B()\r\n 30 Class C\r\nEnd Class",
       "C'C'{} G'A' G'B'"},
      {"only at the start of a line", "x Sub C()\r\nSubD()\r\nSub.E()\r\nEnd Sub F()\r\n'Sub G()\r\nClassic H\r\n", ""},
      {"runs of empty lines", "\r\n\r\n\r\nSub A()\r\n\r\n\r\nSub B()", "G'A' G'B'"},
      {"continues on the line after a block", "Class A\r\nEnd Class : Sub Hidden()\r\nSub Seen()", "C'A'{} G'Seen'"},
      {"a global Sub's body is not a class", "Sub A()\r\n  x = 1\r\nEnd Sub\r\nSub B()", "G'A' G'B'"},
      {"a name without Sub", "Sub\r\nSub ()\r\nFunction", ""},
      {"a text ending inside a block", "Class A\r\nx As Long\r\nSub M()\r\n  y = 1", "C'A'{-d'x' -s'M'}"},
      {"a text ending after the keyword", "Class A\r\n", "C'A'{}"},
      {"a text ending at the keyword", "Type", "T''{}"},
      {"a text ending in a block comment", "Class A\r\nx As Long\r\n/* y As Long", "C'A'{-d'x'}"},
      {"a text ending in a string", "Class A\r\nx = \"abc", "C'A'{-d'x'}"},
      {"a lone lead byte at the end of a comment", "Class A\r\nx As Long ' \x95\x5c\x83", "C'A'{-d'x'}"},
      {"a lone lead byte right after a name", "Sub Main\x83", "G'Main'"},
      {"a lone lead byte in a class name", "Class A\x83", "C'A'{}"},
      {"a lone lead byte alone", "\x83", ""},
      // The lead byte takes the CR as its second byte (as the editor does):
      // the line goes on, so the next Sub is not at a line start.
      {"a line with a lone lead byte at its end", "x = \"\x83\r\nSub Hidden()\r\nSub Seen()", "G'Seen'"},
      {"a trail byte that is a letter", "Class A\r\n\x83\x41\x83\x4E As Long\r\nEnd Class\r\nSub B()", "C'A'{} G'B'"},
      {"a statement starting with a trail byte E", "Class A\r\n\x83\x45nd Class\r\ny As Long\r\nEnd Class",
       "C'A'{-d'y'}"},
      {"double-byte text in strings and comments",
       "Class A ' 表示\r\nx As String = \"能力:表\" ' ソース\r\nEnd Class\r\nSub B() ' 表", "C'A'{-d'x'} G'B'"},
      {"LF line ends", "Class A\nx As Long\nEnd Class\nSub B()\nSub C()", "C'A'{-d'x'} G'B' G'C'", Newline::kLf},
      {"CR line ends", "Class A\rx As Long\rEnd Class\rSub B()\rSub C()", "C'A'{-d'x'} G'B' G'C'", Newline::kCr},
      {"a lone LF in a CR LF text is no line end", "Sub A()\nSub B()\r\nSub C()", "G'A' G'C'"},
      {"a CR LF in an LF text ends at the LF", "Sub A()\r\nSub B()\nSub C()", "G'A' G'B' G'C'", Newline::kLf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Describe(ScanFileText(c.text, c.newline)), c.expected);
  }
}

TEST(ClassScan, PlacesAreKeywordsNamesAndLines) {
  const std::string text =
      "Class A\r\n"              // 0
      "  x As Long\r\n"          // 9
      "\r\n"                     // 22
      "  Sub M() ' 表\r\n"       // 24
      "  End Sub\r\n"            // 40
      "End Class\r\n"            // 51
      "1 Sub Export G(a)\r\n";   // 62
  const FileScan scan = ScanFileText(text);
  ASSERT_EQ(scan.classes.size(), 1u);
  const ClassBlock& a = scan.classes[0];
  EXPECT_EQ(a.place.position, 0);
  EXPECT_EQ(a.place.line, 0);
  EXPECT_EQ(a.end, 60);  // before the CR LF of "End Class"
  ASSERT_EQ(a.members.size(), 2u);
  EXPECT_EQ(a.members[0].place.position, 11);
  EXPECT_EQ(a.members[0].place.line, 1);
  EXPECT_EQ(a.members[1].place.position, 30);
  EXPECT_EQ(a.members[1].place.line, 3);
  ASSERT_EQ(scan.globals.size(), 1u);
  EXPECT_EQ(scan.globals[0].place.position, 76);  // just after "G"
  EXPECT_EQ(scan.globals[0].place.line, 6);

  // Lines count the text's own line ends; a block comment's line ends count.
  const std::string lf = "'x\n/* a\nb */\nClass A\n  /* c\n */ y As Long\nEnd Class\n";
  const FileScan s2 = ScanFileText(lf, Newline::kLf);
  ASSERT_EQ(s2.classes.size(), 1u);
  EXPECT_EQ(s2.classes[0].place.line, 3);
  ASSERT_EQ(s2.classes[0].members.size(), 1u);
  EXPECT_EQ(s2.classes[0].members[0].place.line, 5);
}

TEST(ClassScan, ParseClassBlockFromAPosition) {
  const std::string text = "x = 1\r\n' note\r\nType P\r\n  a As Long\r\nEnd Type\r\nrest\r\n";
  const int at = static_cast<int>(text.find("Type"));
  const ClassBlock b = ParseClassBlock(text, at);
  EXPECT_EQ(b.kind, ClassBlockKind::kType);
  EXPECT_EQ(b.name, "P");
  EXPECT_EQ(b.place.position, at);
  EXPECT_EQ(b.place.line, 2);
  ASSERT_EQ(b.members.size(), 1u);
  EXPECT_EQ(b.members[0].place.line, 3);
  EXPECT_EQ(b.end, static_cast<int>(text.find("\r\nrest")));
  // Positions outside the text are clamped.
  EXPECT_EQ(ParseClassBlock(text, 1 << 30).end, static_cast<int>(text.size()));
  EXPECT_EQ(ParseClassBlock("Class Q", -5).name, "Q");
}

}  // namespace
