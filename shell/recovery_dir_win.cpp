// This instance's crash-recovery directory in the temporary directory.
#include <objbase.h>

#include <shellapi.h>

#include "files/open_save.h"
#include "shell/app.h"
#include "shell/app_seams.h"

void CreateRecoveryDir() {
  char temp[MAX_PATH] = {};
  if (!GetTempPathA(MAX_PATH, temp)) return;
  std::string dir = DiskFormOfPath(temp);
  if (dir.empty()) dir = temp;
  if (dir.back() != '\\') dir += '\\';
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
  std::string from = g_app.RecoveryDir;
  from.back() = '\0';
  from.push_back('\0');
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationA(&op);
  g_app.RecoveryDir.clear();
}
