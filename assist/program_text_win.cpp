#include "assist/program_text_win.h"

#include "editor/editor_view_win.h"
#include "files/file_io_win.h"
#include "files/paths.h"
#include "shell/app_win.h"

namespace {

const TextDocument* OpenTextOf(const std::string& path) {
  const int slot = g_app.docs.FindTextByPath(path);
  const EditableText* text = slot >= 0 ? g_app.docs.slots[slot].Text() : nullptr;
  return text ? &text->doc : nullptr;
}

bool ReadIncluded(const std::string& path, std::string& text) {
  if (const TextDocument* doc = OpenTextOf(path)) {
    text = doc->Substr(0, doc->Length());
    return true;
  }
  return ReadWholeFile(path, text);
}

// Relative includes resolve in the open project's directory; without a
// project, next to a saved document (its includes are usually beside it), or
// in the program directory for an untitled one.
std::string BaseDirectoryOf(int slot) {
  if (g_app.project.IsOpen()) return g_app.project.projectDir;
  std::string dir = PathDirectory(g_app.docs.slots[slot].path);
  return dir.empty() ? g_app.ProgramDir : dir;
}

}  // namespace

ProgramText::IncludeStamp ProgramText::StampOf(const std::string& path) {
  IncludeStamp s;
  s.path = path;
  if (const TextDocument* doc = OpenTextOf(path)) {
    s.openDoc = doc;
    s.version = doc->Version();
    s.had = true;
    return s;
  }
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
      !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    s.version = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    s.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    s.had = true;
  }
  return s;
}

bool ProgramText::Current(const TextDocument& doc, const std::string& baseDir) const {
  if (!current_ || docVersion_ != doc.Version() || baseDir_ != baseDir) return false;
  for (const IncludeStamp& s : stamps_) {
    const IncludeStamp now = StampOf(s.path);
    if (now.openDoc != s.openDoc || now.version != s.version || now.size != s.size || now.had != s.had) return false;
  }
  return true;
}

void ProgramText::Rebuild(EditorView& view) {
  const TextDocument& doc = view.Doc();
  baseDir_ = BaseDirectoryOf(view.Slot());
  ExpandedProgram program = ExpandIncludesMapped(doc.Substr(0, doc.Length()), baseDir_, g_app.ProgramDir, ReadIncluded);
  docVersion_ = doc.Version();
  stamps_.clear();
  for (const auto& file : program.files) stamps_.push_back(StampOf(file.first));
  map_ = std::move(program.map);
  current_ = &index_.Get(program.text.data(), static_cast<int>(program.text.size()), ++builds_);
}

const ProgramIndex* ProgramText::IndexAt(EditorView& view, int docPos, int& programPos) {
  programPos = 0;
  if (!Current(view.Doc(), BaseDirectoryOf(view.Slot()))) Rebuild(view);
  programPos = map_.ToProgram(docPos);
  return current_;
}
