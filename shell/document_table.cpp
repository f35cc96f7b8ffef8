#include "shell/document_table.h"

#include <cstdio>

#include "files/paths.h"

int DocumentTable::SlotOfWindow(HWND window) const {
  if (!window) return -1;
  for (int i = 0; i < kSlots; ++i)
    if (slots[i].window == window) return i;
  return -1;
}

int DocumentTable::FirstFree() const {
  for (int i = 0; i < kSlots; ++i)
    if (!slots[i].InUse()) return i;
  return -1;
}

std::string DocumentTable::UniqueTitle(const std::string& title) const {
  std::string result = title;
  for (;;) {
    bool taken = false;
    for (const DocumentSlot& s : slots) {
      if (s.InUse() && PathEqualsNoCase(s.title, result)) {
        taken = true;
        break;
      }
    }
    if (!taken) return result;
    result += '_';
  }
}

std::string DocumentTable::NextUntitledTitle() {
  char buf[32];
  std::snprintf(buf, sizeof buf, "Document[%d]", ++untitledCounter);
  return buf;
}

int DocumentTable::FindTextByPath(const std::string& path) const {
  if (path.empty()) return -1;
  for (int i = 0; i < kSlots; ++i) {
    const DocumentSlot& s = slots[i];
    if (s.InUse() && IsTextKind(s.kind) && PathEqualsNoCase(s.path, path)) return i;
  }
  return -1;
}

int DocumentTable::CountInUse() const {
  int n = 0;
  for (const DocumentSlot& s : slots) n += s.InUse() ? 1 : 0;
  return n;
}
