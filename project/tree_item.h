#pragma once
// The tree-view item a record is shown by. The core only stores it; the same
// declaration as the common-controls header, so both builds agree.
struct _TREEITEM;
typedef struct _TREEITEM* HTREEITEM;
