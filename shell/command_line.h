#pragma once
#include <string>
#include <vector>

// Splits a command line at blanks outside double quotes; quotes toggle the
// in-quotes state and are dropped.
std::vector<std::string> SplitCommandLine(const std::string& line);

// A token is relative unless IsMarkedAbsolute; relative tokens are completed
// with the current directory and a backslash.
std::string CompleteCommandLinePath(const std::string& token, const std::string& currentDir);
