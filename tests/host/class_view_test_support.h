#pragma once
// A stand-in for the Class tree view: it applies the operations of a diff
// the way the pane does (insert after a sibling, delete a subtree, set text
// and image, sort children, expand), checks that each one is valid when it
// comes, and keeps the state a user gives the tree (expanded items).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "project/class_tree.h"

class FakeTreeView {
 public:
  struct Item {
    std::string text;
    int image = 0;
    ClassNodeId parent = 0;
    std::vector<ClassNodeId> children;
    bool expanded = false;
    int serial = 0;  // which insert made it: a re-insert is another item
  };

  std::map<ClassNodeId, Item> items;
  std::vector<ClassNodeId> roots;
  int inserts = 0;

  void Apply(const ClassTreeOp& op) {
    switch (op.kind) {
      case ClassTreeOpKind::kInsert: {
        ASSERT_EQ(items.count(op.id), 0u) << "id in use: " << op.id;
        std::vector<ClassNodeId>& siblings = op.parent ? Children(op.parent) : roots;
        auto at = siblings.begin();
        if (op.after) {
          at = std::find(siblings.begin(), siblings.end(), op.after);
          ASSERT_NE(at, siblings.end()) << "after is no sibling: " << op.after;
          ++at;
        }
        siblings.insert(at, op.id);
        Item item;
        item.text = op.text;
        item.image = op.image;
        item.parent = op.parent;
        item.serial = ++inserts;
        items[op.id] = item;
        break;
      }
      case ClassTreeOpKind::kRemove: {
        ASSERT_EQ(items.count(op.id), 1u) << "no item " << op.id;
        const ClassNodeId parent = items[op.id].parent;
        std::vector<ClassNodeId>& siblings = parent ? Children(parent) : roots;
        siblings.erase(std::find(siblings.begin(), siblings.end(), op.id));
        Erase(op.id);
        break;
      }
      case ClassTreeOpKind::kUpdate:
        ASSERT_EQ(items.count(op.id), 1u) << "no item " << op.id;
        items[op.id].text = op.text;
        items[op.id].image = op.image;
        break;
      case ClassTreeOpKind::kSortChildren: {
        std::vector<ClassNodeId>& children = op.parent ? Children(op.parent) : roots;
        std::vector<ClassNodeId> a = children, b = op.order;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        ASSERT_EQ(a, b) << "the order is no permutation of the children";
        children = op.order;
        break;
      }
      case ClassTreeOpKind::kExpand:
        ASSERT_EQ(items.count(op.id), 1u);
        items[op.id].expanded = true;
        break;
    }
  }

  void ApplyAll(const std::vector<ClassTreeOp>& ops) {
    for (const ClassTreeOp& op : ops) {
      Apply(op);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

  // The tree as text: one line per item, indented by depth, "text/image".
  std::string Dump() const {
    std::string out;
    for (ClassNodeId r : roots) DumpItem(r, 0, out);
    return out;
  }

  // Every item's id by its path of texts ("root/class/member").
  std::map<std::string, ClassNodeId> Paths() const {
    std::map<std::string, ClassNodeId> out;
    for (ClassNodeId r : roots) CollectPaths(r, "", out);
    return out;
  }

 private:
  std::vector<ClassNodeId>& Children(ClassNodeId id) {
    EXPECT_EQ(items.count(id), 1u) << "no parent " << id;
    return items[id].children;
  }
  void Erase(ClassNodeId id) {
    for (ClassNodeId c : items[id].children) Erase(c);
    items.erase(id);
  }
  void DumpItem(ClassNodeId id, int depth, std::string& out) const {
    const Item& item = items.at(id);
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + item.text + "/" + std::to_string(item.image) + "\n";
    for (ClassNodeId c : item.children) DumpItem(c, depth + 1, out);
  }
  void CollectPaths(ClassNodeId id, const std::string& prefix, std::map<std::string, ClassNodeId>& out) const {
    const std::string path = prefix + "/" + items.at(id).text;
    out[path] = id;
    for (ClassNodeId c : items.at(id).children) CollectPaths(c, path, out);
  }
};

// The same dump of a wanted tree, and of a shape.
inline void DumpWanted(const WantedItem& w, int depth, std::string& out) {
  out += std::string(static_cast<size_t>(depth) * 2, ' ') + std::string(w.text) + "/" + std::to_string(w.image) + "\n";
  for (const WantedItem& c : w.children) DumpWanted(c, depth + 1, out);
}
inline std::string DumpWanted(const WantedItem& w) {
  std::string out;
  DumpWanted(w, 0, out);
  return out;
}
inline void DumpShape(const ClassTreeShape& s, ClassNodeId id, int depth, std::string& out) {
  const ClassNode& n = s.Node(id);
  out += std::string(static_cast<size_t>(depth) * 2, ' ') + n.text + "/" + std::to_string(n.image) + "\n";
  for (ClassNodeId c : n.children) DumpShape(s, c, depth + 1, out);
}
inline std::string DumpShape(const ClassTreeShape& s) {
  std::string out;
  if (s.root) DumpShape(s, s.root, 0, out);
  return out;
}
