#pragma once

// What a document slot holds; the number is stored and compared as an int.
enum DocumentKind {
  kDocNone = 0,
  kDocSource = 1,
  kDocText = 2,
  kDocWindowDesign = 3,
  kDocMenuDesign = 4,
  kDocIcon = 5,
  kDocHtml = 6,
};

inline bool IsTextKind(int kind) {
  return kind == kDocSource || kind == kDocText || kind == kDocHtml;
}
