#pragma once
// The project's cursors, bitmaps and icons.
#include <string>
#include <vector>

#include "project/tree_item.h"

struct ResourceEntry {
  std::string idName;  // ID constant, unique in the project (case-sensitive)
  std::string path;    // relative to the project directory
  HTREEITEM treeItem = nullptr;
};

using ResourceList = std::vector<ResourceEntry>;

enum class ResourceKind { kCursor, kBitmap, kIcon };

struct ResourceKindInfo {
  ResourceKind kind;
  const char* filter;       // file-dialog filter text
  const char* pattern;      // its file pattern
  const char* dialogTitle;  // file-dialog title
  const char* idPrefix;     // new IDs are this prefix and a number
  int image;                // Material-tree image
  const char* rcKeyword;    // CURSOR, BITMAP, ICON
};

const ResourceKindInfo& ResourceKindOf(ResourceKind kind);
