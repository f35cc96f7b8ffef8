// IME composition: the composition window sits at the caret in the editor
// font; a result string is inserted as typed text.
#include <string>

#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "shell/app_win.h"

#include <imm.h>  // needs the Win32 types first

namespace {

// The input context of a window, released with the guard.
class InputContext {
 public:
  explicit InputContext(HWND w) : w_(w), imc_(ImmGetContext(w)) {}
  ~InputContext() {
    if (imc_) ImmReleaseContext(w_, imc_);
  }
  InputContext(const InputContext&) = delete;
  InputContext& operator=(const InputContext&) = delete;
  HIMC get() const { return imc_; }

 private:
  HWND w_;
  HIMC imc_;
};

void PlaceCompositionWindow(const EditorView& view, HIMC imc) {
  const TextDocument& doc = view.Doc();
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos.x = view.GutterWidth() + g_app.editorFonts.cx * (doc.caretCol - view.ScrollPos(SB_HORZ));
  form.ptCurrentPos.y = g_app.editorFonts.cy * (doc.caretRow - view.ScrollPos(SB_VERT));
  ImmSetCompositionWindow(imc, &form);
}

}  // namespace

void EditorView::OnImeStartComposition() {
  InputContext imc(hwnd);
  if (!imc.get()) return;
  PlaceCompositionWindow(*this, imc.get());
  LOGFONTA font = g_app.settings.EditorFont;
  ImmSetCompositionFontA(imc.get(), &font);
}

void EditorView::OnImeComposition(LPARAM flags) {
  if (!(flags & GCS_RESULTSTR)) return;
  InputContext imc(hwnd);
  if (!imc.get()) return;
  // Asked for its size first, so that a long result is never cut inside a character.
  const LONG size = ImmGetCompositionStringA(imc.get(), GCS_RESULTSTR, nullptr, 0);
  if (size <= 0) return;
  std::string result(static_cast<size_t>(size), '\0');
  const LONG got = ImmGetCompositionStringA(imc.get(), GCS_RESULTSTR, result.data(), static_cast<DWORD>(size));
  if (got <= 0) return;
  result.resize(static_cast<size_t>(got));
  EditSelection(text_, result);
  AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
  UpdateWindow(hwnd);
  PlaceCompositionWindow(*this, imc.get());
}
