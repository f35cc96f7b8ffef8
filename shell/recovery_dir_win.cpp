// This instance's crash-recovery directory in the temporary directory.
#include <objbase.h>

#include "files/file_io_win.h"
#include "files/paths.h"
#include "shell/app_win.h"
#include "shell/app_seams_win.h"

void CreateRecoveryDir() {
  std::string dir = PathDiskForm(TemporaryDirectory());
  if (dir.empty()) return;
  if (!EndsWithSeparator(dir)) dir += '\\';
  GUID guid;
  if (FAILED(CoCreateGuid(&guid))) return;
  char text[64];
  // The form the system's UUID-to-string routine writes.
  wsprintfA(text, "%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", guid.Data1, guid.Data2, guid.Data3,
            guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6],
            guid.Data4[7]);
  dir += "Quillet_Temporary_";
  dir += text;
  dir += '\\';
  if (CreateDirectoryA(dir.c_str(), nullptr)) g_app.RecoveryDir = dir;
}

void RemoveRecoveryDir() {
  if (g_app.RecoveryDir.empty()) return;
  RemoveDirectoryTree(g_app.RecoveryDir);
  g_app.RecoveryDir.clear();
}
