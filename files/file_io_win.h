#pragma once
// Whole-file reading and writing and small file-system helpers (Win32 layer).
#include <cstddef>
#include <string>
#include <string_view>

#include "files/disk_watch.h"
#include "platform/win_types.h"

// Reads the whole file (opened sharing read and write) into `content`; the
// string's terminator follows the last byte. False on any failure.
bool ReadWholeFile(const std::string& path, std::string& content);
// The same; a failure shows "\"%s\" ファイルの読み込みに失敗しました。"
// (warning icon, caption "エラー").
// Messages are owned by `owner`, or by the active window when it is null.
bool ReadWholeFileWithMessage(const std::string& path, std::string& content, HWND owner = nullptr);

// Replaces the file's content whole; a length of 0 leaves an empty file. An
// existing file is replaced through a temporary file in the same directory,
// so a failed write leaves the old content intact. False on any failure.
bool WriteWholeFile(const std::string& path, std::string_view bytes);
// The same; a failure shows "\"%s\" ファイルへの書き込みに失敗しました。"
// (warning icon, caption "エラー").
bool WriteWholeFileWithMessage(const std::string& path, std::string_view bytes, HWND owner = nullptr);

// Time stamp, size and read-only attribute of a file; missing when it does not
// exist, unknown when its state cannot be read (no access, a network error).
FileStamp ReadFileStamp(const std::string& path);

// True when a directory search finds the exact name (file or directory).
bool FileExists(const std::string& path);

// Deletes every file of the directory (path ending in a backslash), its
// sub-directories recursively, then the directory. Junctions and symbolic
// links are removed as links; what they point to is left alone.
bool RemoveDirectoryTree(const std::string& dir);

// The path with every component after the root as stored on disk (letter
// case, long names). The root (drive or \\server\share\) is kept; from the
// first component that cannot be found on, the rest is kept as given.
std::string PathDiskForm(const std::string& path);

// The temporary directory, ending in a backslash.
std::string TemporaryDirectory();

// Creates the directory and its missing parents; true when it exists afterwards.
bool EnsureDirectoryExists(const std::string& dir);
