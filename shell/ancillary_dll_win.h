#pragma once
// Our DLLs in the program directory's "Ancillar" folder, reached only
// through the names they export, as a third-party DLL would be.
#include <windows.h>

#include <initializer_list>
#include <string>

// The directory of a module's file (null: the running program) with its
// trailing backslash; empty when it cannot be had.
std::string ModuleDirectory(HMODULE module);

// Loads programDir + "Ancillar\\" + name (programDir ends with a backslash;
// empty: the running program's directory). Null when it cannot be loaded.
HMODULE LoadAncillaryDll(const std::string& programDir, const char* name);

// An exported function as the function-pointer type T; null when missing.
template <class T>
T AncillaryProc(HMODULE module, const char* name) {
  // Through void (*)(void), which casts to any function type without warning.
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// True when the module exports every one of the names.
bool ExportsAll(HMODULE module, std::initializer_list<const char*> names);
