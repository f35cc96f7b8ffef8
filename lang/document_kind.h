#pragma once
// What a document slot holds. The numbers are those the program's files and
// messages use; convert with DocumentKindFromInt at such a boundary.
enum class DocumentKind : int {
  kNone = 0,
  kSource = 1,
  kText = 2,
  kWindowDesign = 3,
  kMenuDesign = 4,
  kIcon = 5,
  kHtml = 6,
};

constexpr bool IsTextKind(DocumentKind kind) {
  return kind == DocumentKind::kSource || kind == DocumentKind::kText || kind == DocumentKind::kHtml;
}

// A stored number as a kind; anything unknown is kNone.
constexpr DocumentKind DocumentKindFromInt(int n) {
  return n >= 1 && n <= 6 ? static_cast<DocumentKind>(n) : DocumentKind::kNone;
}
