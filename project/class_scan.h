#pragma once
// The class view's recogniser: the classes, types and interfaces of a source
// text with their members, and its global procedures, found line by line.
// Pure functions over one text; they never read past its end.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_codes.h"

enum class ClassBlockKind { kClass, kType, kInterface };
enum class MemberAccess { kPublic, kPrivate, kProtected };
// Data members, and the four ways a method is declared.
enum class MemberKind { kData, kSub, kFunction, kAbstract, kVirtual };

// Where a declaration stands: the byte offset into the scanned text, and its
// zero-based line as the document shows it once opened (the jump selects that
// line, which stays right when the file on disk has LF or CR line ends).
struct SourcePlace {
  int position = 0;
  int line = 0;
};

struct ClassMember {
  std::string name;  // overloads after the first end in one blank more each
  MemberKind kind = MemberKind::kData;
  MemberAccess access = MemberAccess::kPrivate;
  SourcePlace place;  // of the name
};

struct ClassBlock {
  std::string name;  // identifier characters and "~"; may be empty
  ClassBlockKind kind = ClassBlockKind::kClass;
  SourcePlace place;  // of the keyword
  std::vector<ClassMember> members;
  int end = 0;  // byte after the closing statement, or the text's length
};

struct GlobalProc {
  std::string name;
  SourcePlace place;  // just after the name
};

// What one file declares, in text order.
struct FileScan {
  std::vector<ClassBlock> classes;
  std::vector<GlobalProc> globals;
};

inline bool IsMethod(MemberKind kind) { return kind != MemberKind::kData; }

// The longest text scanned; the rest of a longer one is ignored (no document
// can hold more).
constexpr size_t kMaxScanBytes = 0x3FFFFFFF;

// Parses the block whose keyword ("Class", "Type" or "Interface", any letter
// case) starts at `position`. Lines end as `lineEnd` says (a document in
// memory always uses CR LF; a file read from disk uses the code of its first
// line end). A text that ends inside the block ends the block.
ClassBlock ParseClassBlock(std::string_view text, int position, Newline lineEnd = Newline::kCrLf);

// Every block and global Sub or Function of the text.
FileScan ScanFileText(std::string_view text, Newline lineEnd = Newline::kCrLf);
