#pragma once
// Expansion of "#include" directives for source scanning.
#include <functional>
#include <string>
#include <string_view>

// Gives the text of a path (an open document's text or the file's content);
// false when it cannot be had.
using IncludeTextSource = std::function<bool(const std::string& path, std::string& text)>;

// A line starting in its first column with "#include" (exact case) not followed
// by a letter, digit, "_" or "." names a file in <...> (ProgramDir +
// "Include\\" + name) or "..." (resolved against baseDir). Each file is
// included once (paths compared without regard to case); a repeated directive
// stays as it is. The included text is expanded with its own directory as base
// and replaces the directive line (its CR LF stays). When a named file cannot be
// had, the result is the text expanded up to that directive.
std::string ExpandIncludes(std::string_view text, const std::string& baseDir, const std::string& programDir,
                           const IncludeTextSource& source);
