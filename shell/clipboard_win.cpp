#include "shell/clipboard_win.h"

#include <cstring>

#include "files/nkf_adapter.h"
#include "files/pasted_text.h"
#include "platform/handles_win.h"
#include "shell/app_win.h"

namespace {

// The clipboard, open for the guard's lifetime (closed also when copying throws).
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool ok() const { return open_; }

 private:
  bool open_;
};

// Copies of this program (any instance) are Shift-JIS already: their CF_TEXT
// keeps every byte, which a trip through Unicode would not (NEC and IBM
// duplicates, bytes that are not Shift-JIS at all).
bool CopiedByQuillet() {
  HWND owner = GetClipboardOwner();
  char name[32] = {};
  return owner && GetClassNameA(owner, name, sizeof name) && std::strcmp(name, "Wrenfold") == 0;
}

bool ReadUnicodeText(std::u16string& text) {
  OpenedClipboard clipboard(g_app.frame);
  if (!clipboard.ok()) return false;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return false;
  GlobalLockGuard lock(data);
  const auto* p = static_cast<const char16_t*>(lock.get());
  if (!p) return false;
  // The block may be larger than its text; never read past its size.
  const size_t units = GlobalSize(data) / sizeof(char16_t);
  size_t n = 0;
  while (n < units && p[n] != u'\0') ++n;
  text.assign(p, n);
  return true;
}

}  // namespace

bool PutTextOnClipboard(const std::string& text) {
  GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!block) return false;
  {
    GlobalLockGuard lock(block.get());
    if (!lock.get()) return false;
    std::memcpy(lock.get(), text.c_str(), text.size() + 1);
  }
  OpenedClipboard clipboard(g_app.frame);
  if (!clipboard.ok()) return false;
  EmptyClipboard();
  // The clipboard owns the block once it took it.
  if (!SetClipboardData(CF_TEXT, block.get())) return false;
  block.release();
  return true;
}

bool GetClipboardText(std::string& text) {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return false;
  OpenedClipboard clipboard(g_app.frame);
  if (!clipboard.ok()) return false;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return false;
  GlobalLockGuard lock(data);
  const char* p = static_cast<const char*>(lock.get());
  if (!p) return false;
  // The block may be larger than its text; never read past its size.
  text.assign(p, strnlen(p, GlobalSize(data)));
  return true;
}

bool GetClipboardTextForPaste(std::string& text, std::string& lossNotice) {
  lossNotice.clear();
  std::u16string wide;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !NkfAvailable() || CopiedByQuillet() || !ReadUnicodeText(wide))
    return GetClipboardText(text);
  PastedText pasted = ConvertPastedUnicode(wide);
  if (!pasted.converted) return GetClipboardText(text);
  text = std::move(pasted.text);
  lossNotice = PasteLossNotice(pasted);
  return true;
}

bool ClipboardHasText() {
  return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

bool PutBytesOnClipboard(UINT format, const std::string& bytes) {
  if (!format) return false;
  GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes.size() ? bytes.size() : 1));
  if (!block) return false;
  {
    GlobalLockGuard lock(block.get());
    if (!lock.get()) return false;
    std::memcpy(lock.get(), bytes.data(), bytes.size());
  }
  OpenedClipboard clipboard(g_app.frame);
  if (!clipboard.ok()) return false;
  EmptyClipboard();
  if (!SetClipboardData(format, block.get())) return false;
  block.release();
  return true;
}

bool GetClipboardBytes(UINT format, std::string& bytes) {
  if (!format || !IsClipboardFormatAvailable(format)) return false;
  OpenedClipboard clipboard(g_app.frame);
  if (!clipboard.ok()) return false;
  HANDLE data = GetClipboardData(format);
  if (!data) return false;
  GlobalLockGuard lock(data);
  const char* p = static_cast<const char*>(lock.get());
  if (!p) return false;
  bytes.assign(p, GlobalSize(data));
  return true;
}
