#pragma once
// The Class tree as data: the shape the tree view shows (items with stable
// ids), the shape a scan wants, and the operations that turn one into the
// other while keeping every item that stays (so its expansion, and the
// tree's scroll position, survive).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Item ids: the tree view keeps one in each item's lParam. 0 is no item.
using ClassNodeId = uint32_t;

// Images of the Class tree's list.
namespace ClassImage {
constexpr int kGroup = 0;          // the global group, collapsed
constexpr int kGroupOpen = 1;      // ... expanded
constexpr int kClass = 2;          // class, type or interface
constexpr int kRoot = 3;
constexpr int kPublicData = 4;
constexpr int kPublicMethod = 5;   // also a global Sub or Function
constexpr int kPrivateData = 6;    // private or protected
constexpr int kPrivateMethod = 7;
}  // namespace ClassImage

// Where a wanted item comes from: file, block and member ordinals. Pairs an
// item that disappeared with the one that replaced it at the same place, so
// that a rename keeps the item.
using ClassOrigin = uint64_t;
ClassOrigin MakeClassOrigin(int file, int block, int member);

// The order of items among their siblings: bytes compared with ASCII letters
// folded (the second byte of a double-byte character never folds), a shorter
// text before a longer one it begins; texts equal so are ordered by their
// bytes. Total: 0 only for identical texts.
int CompareClassItemText(std::string_view a, std::string_view b);

// Texts are views: what they view (the scans, a name list) outlives the diff.
struct WantedItem {
  std::string_view text;
  int image = 0;
  ClassOrigin origin = 0;
  std::vector<WantedItem> children;  // sorted by CompareClassItemText, texts unique
  // Set by the diff: the item that shows it.
  mutable ClassNodeId node = 0;
};

// Sorts items and, recursively, their children.
void SortWantedItems(std::vector<WantedItem>& items);

struct ClassNode {
  std::string text;
  int image = 0;
  ClassOrigin origin = 0;
  ClassNodeId parent = 0;
  std::vector<ClassNodeId> children;  // in tree order (sorted)
  bool live = false;
};

// The tree as the view shows it once every operation so far is applied.
struct ClassTreeShape {
  std::vector<ClassNode> nodes;  // by id; slot 0 unused
  std::vector<ClassNodeId> freeIds;
  ClassNodeId root = 0;

  const ClassNode& Node(ClassNodeId id) const { return nodes[id]; }
  // The child of parent with exactly this text, or 0 (binary search).
  ClassNodeId FindChild(ClassNodeId parent, std::string_view text) const;
  size_t LiveCount() const { return nodes.empty() ? 0 : nodes.size() - 1 - freeIds.size(); }
};

enum class ClassTreeOpKind {
  kInsert,        // new item `id` under `parent` (0: a root) after `after` (0: first), with text and image
  kRemove,        // item `id` and everything below it
  kUpdate,        // item `id` gets text and image (a rename in place)
  kSortChildren,  // the children of `parent` (at most 256) take the order of `order`
  kExpand,        // expand item `id`
};

struct ClassTreeOp {
  ClassTreeOpKind kind = ClassTreeOpKind::kInsert;
  ClassNodeId id = 0;
  ClassNodeId parent = 0;
  ClassNodeId after = 0;
  std::string text;
  int image = 0;
  std::vector<ClassNodeId> order;
};

// Makes shape's root equal to `wanted` (creating it when there is none) and
// appends the operations that do the same to the view. A new root is
// expanded once its children are in.
void DiffClassTree(ClassTreeShape& shape, const WantedItem& wanted, std::vector<ClassTreeOp>& ops);

// Makes the children of `parent` equal to `wanted` (sorted, unique texts).
// An item no longer wanted and a new one of the same origin are one item
// renamed in place when the new text keeps its place among the siblings, or
// when there are few siblings to sort again; otherwise the item is replaced.
// With `scope` (sorted like the children) only the current children whose
// texts are in it are compared; the others stay as they are, and `wanted`
// must hold only texts of the scope.
void DiffClassChildren(ClassTreeShape& shape, ClassNodeId parent, const std::vector<WantedItem>& wanted,
                       const std::vector<std::string>* scope, std::vector<ClassTreeOp>& ops);
