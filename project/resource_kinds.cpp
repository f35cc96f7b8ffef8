#include "project/resource_entry.h"

namespace {

const ResourceKindInfo kKinds[] = {
    {ResourceKind::kCursor, "カーソル(*.cur)", "*.cur", "カーソル ファイルを指定してください", "IDC_CURSOR", 6, "CURSOR"},
    {ResourceKind::kBitmap, "ビットマップ(*.bmp)", "*.bmp", "ビットマップ ファイルを指定してください", "IDB_BITMAP", 5, "BITMAP"},
    {ResourceKind::kIcon, "アイコン(*.ico)", "*.ico", "アイコン ファイルを指定してください", "IDI_ICON", 4, "ICON"},
};

}  // namespace

const ResourceKindInfo& ResourceKindOf(ResourceKind kind) { return kKinds[static_cast<int>(kind)]; }
