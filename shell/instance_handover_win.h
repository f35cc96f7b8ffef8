#pragma once
// A second Quillet started with files hands them to the one already running
// (of the same program directory) and ends; without files it opens its own
// window, as a user who starts the program again expects.
#include <string>
#include <vector>

// The command line's files as full paths in their disk form, in order.
std::vector<std::string> CommandLinePaths(const char* commandLine);

// Offers the paths to every running frame (class Wrenfold) in turn; true when
// one of the same program directory took them (it opens them and comes to
// the front).
bool HandOverToRunningInstance(const std::vector<std::string>& paths, const std::string& programDir);
