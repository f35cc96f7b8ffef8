#pragma once
// Path and bounded-string routines on Shift-JIS bytes. A 0x5C byte that is the
// trail byte of a double-byte character (表, ソ, 能 ...) is never a separator.
#include <cstddef>
#include <string>
#include <string_view>

// '\\' or '/', only where the byte starts a character.
inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// Case-insensitive comparison: ASCII letters fold, double-byte characters
// compare as they are (their trail bytes never fold).
bool PathEqualsNoCase(std::string_view a, std::string_view b);

// The same folding as PathEqualsNoCase, as a key for hashed lookups.
std::string PathFoldCase(std::string_view s);

// The longest prefix of s of at most maxBytes bytes that does not split a
// double-byte character.
std::string_view TruncateSjis(std::string_view s, size_t maxBytes);

// Offset just after the last separator of path, or 0.
size_t PathNameOffset(std::string_view path);

// Length of the root: "X:\\" (or "X:"), "\\\\server\\share\\", or 0.
size_t PathRootLength(std::string_view path);

// The rule by which a path given relative to a directory counts as absolute:
// it holds ":" or two backslashes in a row (trail bytes never count).
bool IsMarkedAbsolute(std::string_view path);

// True when the path ends in a separator that is not a trail byte.
bool EndsWithSeparator(std::string_view path);

// File name and extension: everything after the last separator.
std::string PathFileName(std::string_view path);

// Directory of the path including its trailing separator, or "" when the path
// holds no separator.
std::string PathDirectory(std::string_view path);

// Extension of the file name including its dot (".txt"), or "".
std::string PathExtension(std::string_view path);

// The path relative to the directory of base ("C:\\a\\b.pj" -> "C:\\a\\").
// Paths on different drives (or shares) stay absolute.
std::string RelativePath(std::string_view path, std::string_view base);

// Resolves path against baseDir. A marked absolute path is returned
// unchanged; one leading ".\\" is skipped; each leading "..\\" removes one
// trailing component of baseDir (never the root). A path that starts with a
// single backslash is taken from the root of baseDir.
std::string ResolveRelativePath(std::string_view path, std::string_view baseDir);
