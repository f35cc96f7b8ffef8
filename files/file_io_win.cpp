#include "files/file_io_win.h"

#include <algorithm>
#include <new>
#include <vector>

#include "files/paths.h"
#include "platform/handles_win.h"
#include "platform/sjis.h"
#include "shell/message_box_win.h"

namespace {

constexpr DWORD kChunk = 1u << 24;  // ReadFile/WriteFile take a DWORD; keep calls bounded

void ShowFileError(HWND owner, const std::string& path, const char* what) {
  std::string text = "\"" + path + "\" " + what;
  QuilletMessageBox(owner ? owner : GetActiveWindow(), text.c_str(), "エラー", MB_ICONWARNING | MB_OK);
}

bool WriteAll(HANDLE h, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kChunk));
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, part, &written, nullptr) || written != part) return false;
    done += part;
  }
  return true;
}

// Creates or truncates the file and writes it; a file that did not exist
// before is removed again when the write fails. An existing file is opened
// with the sharing that lets it coexist with other programs' handles.
bool WriteInPlace(const std::string& path, std::string_view bytes, DWORD disposition) {
  DWORD share = disposition == OPEN_EXISTING ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
  KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!static_cast<bool>(file)) return false;
  if (disposition == OPEN_EXISTING && !SetEndOfFile(file.get())) return false;
  bool ok = WriteAll(file.get(), bytes);
  ok = file.Close() && ok;
  if (!ok && disposition == CREATE_NEW) DeleteFileA(path.c_str());
  return ok;
}

// Writes a temporary file beside the target, then moves it over the target,
// keeping the target's attributes and creation time.
bool WriteThroughTemporary(const std::string& path, std::string_view bytes, DWORD attributes, bool& tryInPlace) {
  tryInPlace = false;
  std::string dir = PathDirectory(path);
  char temp[MAX_PATH];
  if (!GetTempFileNameA(dir.empty() ? "." : dir.c_str(), "qlt", 0, temp)) {
    tryInPlace = true;  // e.g. no right to create files in the directory
    return false;
  }
  FILETIME created{};
  bool haveCreated = false;
  {
    KernelHandle old(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr));
    haveCreated = static_cast<bool>(old) && GetFileTime(old.get(), &created, nullptr, nullptr);
  }
  bool ok = false;
  {
    KernelHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (static_cast<bool>(file)) {
      ok = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
      if (ok && haveCreated) SetFileTime(file.get(), &created, nullptr, nullptr);
      ok = file.Close() && ok;
    }
  }
  if (ok) {
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                       FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (attributes & kept) SetFileAttributesA(temp, attributes & kept);
    ok = MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    // Another program holding the file open without delete sharing blocks the
    // move but may still allow writing in place.
    DWORD error = ok ? 0 : GetLastError();
    tryInPlace = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
  }
  if (!ok) {
    SetFileAttributesA(temp, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temp);
  }
  return ok;
}

// Components of a path after its root, split at separators (Shift-JIS aware).
std::vector<std::string> SplitAfterRoot(const std::string& path, size_t root) {
  std::vector<std::string> parts;
  std::string current;
  const char* end = path.data() + path.size();
  for (size_t i = root; i < path.size();) {
    int len = SjisCharLen(path.data() + i, end);
    if (len == 1 && IsPathSeparator(path[i])) {
      parts.push_back(current);
      current.clear();
    } else {
      current.append(path, i, static_cast<size_t>(len));
    }
    i += static_cast<size_t>(len);
  }
  parts.push_back(current);  // empty when the path ends in a separator
  return parts;
}

bool HasWildcard(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& content) {
  KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!static_cast<bool>(file)) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) >= content.max_size()) {
    return false;
  }
  try {
    content.assign(static_cast<size_t>(size.QuadPart), '\0');
  } catch (const std::bad_alloc&) {
    content.clear();
    return false;
  }
  size_t done = 0;
  while (done < content.size()) {
    DWORD part = static_cast<DWORD>(std::min<size_t>(content.size() - done, kChunk));
    DWORD got = 0;
    if (!ReadFile(file.get(), &content[done], part, &got, nullptr)) {
      content.clear();
      return false;
    }
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  content.resize(done);
  return true;
}

bool ReadWholeFileWithMessage(const std::string& path, std::string& content, HWND owner) {
  if (ReadWholeFile(path, content)) return true;
  ShowFileError(owner, path, "ファイルの読み込みに失敗しました。");
  return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return WriteInPlace(path, bytes, CREATE_NEW);
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
  bool tryInPlace = false;
  if (WriteThroughTemporary(path, bytes, attributes, tryInPlace)) return true;
  return tryInPlace && WriteInPlace(path, bytes, OPEN_EXISTING);
}

bool WriteWholeFileWithMessage(const std::string& path, std::string_view bytes, HWND owner) {
  if (WriteWholeFile(path, bytes)) return true;
  ShowFileError(owner, path, "ファイルへの書き込みに失敗しました。");
  return false;
}

FileStamp ReadFileStamp(const std::string& path) {
  FileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || HasWildcard(path)) return stamp;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    const DWORD error = GetLastError();
    const bool gone = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
    stamp.presence = gone ? FilePresence::kMissing : FilePresence::kUnknown;
    return stamp;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return stamp;  // not a file of ours any more
  stamp.presence = FilePresence::kPresent;
  stamp.writeTime = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  stamp.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  return stamp;
}

bool FileExists(const std::string& path) {
  if (path.empty() || HasWildcard(path)) return false;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

bool RemoveDirectoryTree(const std::string& dir) {
  if (dir.empty() || HasWildcard(dir)) return false;
  std::string base = dir;
  if (!EndsWithSeparator(base)) base += '\\';
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((base + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = base + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
        SetFileAttributesA(full.c_str(), data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
      }
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(full.c_str());
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        RemoveDirectoryA(full.c_str());
      } else {
        RemoveDirectoryTree(full + "\\");
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  base.pop_back();
  return RemoveDirectoryA(base.c_str()) != FALSE;
}

std::string PathDiskForm(const std::string& path) {
  size_t root = PathRootLength(path);
  std::string out = path.substr(0, root);
  std::vector<std::string> parts = SplitAfterRoot(path, root);
  bool searching = !HasWildcard(path);
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    std::string next = out + part;
    if (searching && !part.empty() && part != "." && part != "..") {
      WIN32_FIND_DATAA data;
      HANDLE find = FindFirstFileA(next.c_str(), &data);
      if (find != INVALID_HANDLE_VALUE) {
        FindClose(find);
        next = out + data.cFileName;
      } else {
        searching = false;
      }
    }
    out = next;
    if (i + 1 < parts.size()) out += '\\';
  }
  return out;
}

std::string TemporaryDirectory() {
  char buf[MAX_PATH + 1];
  DWORD n = GetTempPathA(sizeof buf, buf);
  std::string dir = (n == 0 || n > MAX_PATH) ? std::string(".\\") : std::string(buf, n);
  if (!EndsWithSeparator(dir)) dir += '\\';
  return dir;
}

bool EnsureDirectoryExists(const std::string& dir) {
  std::string d = dir;
  while (d.size() > 3 && EndsWithSeparator(d)) d.pop_back();
  DWORD attributes = GetFileAttributesA(d.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  std::string parent = PathDirectory(d);
  if (parent.size() > 3 && parent.size() < d.size() && !EnsureDirectoryExists(parent)) return false;
  if (CreateDirectoryA(d.c_str(), nullptr)) return true;
  attributes = GetFileAttributesA(d.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
