#include "project/class_tree.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <unordered_map>

#include "platform/sjis.h"

namespace {

unsigned char Fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

// Children a view sorts again after a rename; a rename among more children
// that would need a sort replaces the item instead.
constexpr size_t kSortLimit = 256;

std::string_view TextOf(const WantedItem& w) { return w.text; }
std::string_view TextOf(const std::string& s) { return s; }

ClassNodeId Alloc(ClassTreeShape& shape) {
  if (shape.nodes.empty()) shape.nodes.emplace_back();  // id 0 is no item
  ClassNodeId id;
  if (!shape.freeIds.empty()) {
    id = shape.freeIds.back();
    shape.freeIds.pop_back();
  } else {
    id = static_cast<ClassNodeId>(shape.nodes.size());
    shape.nodes.emplace_back();
  }
  shape.nodes[id] = ClassNode();
  shape.nodes[id].live = true;
  return id;
}

void FreeSubtree(ClassTreeShape& shape, ClassNodeId id) {
  std::vector<ClassNodeId> children;
  children.swap(shape.nodes[id].children);
  for (ClassNodeId child : children) FreeSubtree(shape, child);
  shape.nodes[id] = ClassNode();
  shape.freeIds.push_back(id);
}

// Inserts the item and its children in order; returns its id.
ClassNodeId InsertSubtree(ClassTreeShape& shape, ClassNodeId parent, ClassNodeId after, const WantedItem& item,
                          std::vector<ClassTreeOp>& ops) {
  const ClassNodeId id = Alloc(shape);
  item.node = id;
  ClassNode& node = shape.nodes[id];
  node.text.assign(item.text);
  node.image = item.image;
  node.origin = item.origin;
  node.parent = parent;
  ClassTreeOp op;
  op.kind = ClassTreeOpKind::kInsert;
  op.id = id;
  op.parent = parent;
  op.after = after;
  op.text = node.text;
  op.image = item.image;
  ops.push_back(std::move(op));
  std::vector<ClassNodeId> children;
  children.reserve(item.children.size());
  ClassNodeId previous = 0;
  for (const WantedItem& child : item.children) {
    previous = InsertSubtree(shape, id, previous, child, ops);
    children.push_back(previous);
  }
  shape.nodes[id].children = std::move(children);
  return id;
}

void PushUpdate(ClassTreeShape& shape, ClassNodeId id, const WantedItem& item, std::vector<ClassTreeOp>& ops) {
  ClassNode& node = shape.nodes[id];
  node.origin = item.origin;
  if (node.text == item.text && node.image == item.image) return;
  node.text.assign(item.text);
  node.image = item.image;
  ClassTreeOp op;
  op.kind = ClassTreeOpKind::kUpdate;
  op.id = id;
  op.parent = node.parent;
  op.text = node.text;
  op.image = item.image;
  ops.push_back(std::move(op));
}

}  // namespace

ClassOrigin MakeClassOrigin(int file, int block, int member) {
  auto field = [](int v, int bits) { return static_cast<uint64_t>(std::clamp(v, 0, (1 << bits) - 1)); };
  return (field(file, 24) << 40) | (field(block, 20) << 20) | field(member, 20);
}

int CompareClassItemText(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  // Bytes equal as they are are equal folded: start where they first differ.
  // A byte there is a second byte when an odd run of lead-range bytes (the
  // same in both texts) stands before it.
  size_t i = 0;
  for (uint64_t x, y; i + 8 <= n; i += 8) {
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) break;
  }
  while (i < n && a[i] == b[i]) ++i;
  size_t run = 0;
  while (run < i && IsSjisLead(static_cast<unsigned char>(a[i - 1 - run]))) ++run;
  bool trailA = (run & 1) != 0, trailB = trailA;
  for (; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
    const unsigned char fa = trailA ? ca : Fold(ca), fb = trailB ? cb : Fold(cb);
    if (fa != fb) return fa < fb ? -1 : 1;
    trailA = !trailA && IsSjisLead(ca) && i + 1 < a.size();
    trailB = !trailB && IsSjisLead(cb) && i + 1 < b.size();
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  const int raw = n ? std::memcmp(a.data(), b.data(), n) : 0;
  return raw < 0 ? -1 : raw > 0 ? 1 : 0;
}

void SortWantedItems(std::vector<WantedItem>& items) {
  std::sort(items.begin(), items.end(),
            [](const WantedItem& x, const WantedItem& y) { return CompareClassItemText(x.text, y.text) < 0; });
  for (WantedItem& item : items) SortWantedItems(item.children);
}

ClassNodeId ClassTreeShape::FindChild(ClassNodeId parent, std::string_view text) const {
  if (parent >= nodes.size()) return 0;
  const std::vector<ClassNodeId>& list = nodes[parent].children;
  auto it = std::lower_bound(list.begin(), list.end(), text, [&](ClassNodeId id, std::string_view t) {
    return CompareClassItemText(nodes[id].text, t) < 0;
  });
  return (it != list.end() && nodes[*it].text == text) ? *it : 0;
}

void DiffClassTree(ClassTreeShape& shape, const WantedItem& wanted, std::vector<ClassTreeOp>& ops) {
  if (shape.root == 0) {
    shape.root = InsertSubtree(shape, 0, 0, wanted, ops);
    ClassTreeOp expand;
    expand.kind = ClassTreeOpKind::kExpand;
    expand.id = shape.root;
    ops.push_back(std::move(expand));
    return;
  }
  wanted.node = shape.root;
  PushUpdate(shape, shape.root, wanted, ops);
  DiffClassChildren(shape, shape.root, wanted.children, nullptr, ops);
}

void DiffClassChildren(ClassTreeShape& shape, ClassNodeId parent, const std::vector<WantedItem>& wanted,
                       const std::vector<std::string>* scope, std::vector<ClassTreeOp>& ops) {
  auto textOf = [&](ClassNodeId id) -> const std::string& { return shape.nodes[id].text; };
  auto less = [&](ClassNodeId id, std::string_view t) { return CompareClassItemText(textOf(id), t) < 0; };

  // Items that keep their text keep their item; in-scope items no longer
  // wanted are gone.
  std::vector<ClassNodeId> matchOf(wanted.size(), 0);
  std::vector<ClassNodeId> gone;
  if (scope) {
    for (size_t w = 0; w < wanted.size(); ++w) matchOf[w] = shape.FindChild(parent, wanted[w].text);
    for (const std::string& text : *scope) {
      const bool kept = std::binary_search(wanted.begin(), wanted.end(), text, [](const auto& a, const auto& b) {
        return CompareClassItemText(TextOf(a), TextOf(b)) < 0;
      });
      if (ClassNodeId id = kept ? 0 : shape.FindChild(parent, text)) gone.push_back(id);
    }
  } else {
    const std::vector<ClassNodeId>& current = shape.nodes[parent].children;
    size_t i = 0, j = 0;
    while (i < current.size()) {
      const int cmp = j < wanted.size() ? CompareClassItemText(textOf(current[i]), wanted[j].text) : -1;
      if (cmp == 0) {
        matchOf[j++] = current[i++];
      } else if (cmp < 0) {
        gone.push_back(current[i++]);
      } else {
        ++j;
      }
    }
  }

  // An item gone and a new one from the same place: a rename candidate.
  std::vector<std::pair<size_t, ClassNodeId>> renames;
  if (!gone.empty()) {
    std::unordered_map<ClassOrigin, size_t> goneAt;
    for (size_t k = 0; k < gone.size(); ++k) goneAt.emplace(shape.nodes[gone[k]].origin, k);
    for (size_t w = 0; w < wanted.size() && !goneAt.empty(); ++w) {
      if (matchOf[w]) continue;
      auto it = goneAt.find(wanted[w].origin);
      if (it == goneAt.end()) continue;
      renames.emplace_back(w, gone[it->second]);
      gone[it->second] = 0;
      goneAt.erase(it);
    }
  }

  std::vector<ClassNodeId> list = std::move(shape.nodes[parent].children);
  auto remove = [&](ClassNodeId id) {
    ClassTreeOp op;
    op.kind = ClassTreeOpKind::kRemove;
    op.id = id;
    op.parent = parent;
    ops.push_back(std::move(op));
    FreeSubtree(shape, id);
  };
  gone.erase(std::remove(gone.begin(), gone.end(), ClassNodeId(0)), gone.end());
  if (!gone.empty()) {
    std::sort(gone.begin(), gone.end());
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](ClassNodeId id) { return std::binary_search(gone.begin(), gone.end(), id); }),
               list.end());
    for (ClassNodeId id : gone) remove(id);
  }

  // A rename keeps the item (and its expansion) when the new text keeps its
  // place among its neighbours, or when the view can cheaply sort them;
  // otherwise the item is replaced.
  bool needSort = false;
  for (const auto& [w, id] : renames) {
    bool keep = needSort;
    if (!needSort) {
      const size_t pos = static_cast<size_t>(std::lower_bound(list.begin(), list.end(), textOf(id), less) - list.begin());
      const std::string_view t = wanted[w].text;
      keep = (pos == 0 || CompareClassItemText(textOf(list[pos - 1]), t) < 0) &&
             (pos + 1 >= list.size() || CompareClassItemText(t, textOf(list[pos + 1])) < 0);
      if (!keep && list.size() <= kSortLimit) keep = needSort = true;
    }
    if (keep) {
      matchOf[w] = id;
      PushUpdate(shape, id, wanted[w], ops);  // later checks see the new text
    } else {
      list.erase(std::find(list.begin(), list.end(), id));
      remove(id);
    }
  }
  for (size_t w = 0; w < wanted.size(); ++w) {
    if (matchOf[w]) PushUpdate(shape, matchOf[w], wanted[w], ops);
  }
  if (needSort) {
    std::sort(list.begin(), list.end(),
              [&](ClassNodeId x, ClassNodeId y) { return CompareClassItemText(textOf(x), textOf(y)) < 0; });
    ClassTreeOp op;
    op.kind = ClassTreeOpKind::kSortChildren;
    op.parent = parent;
    op.order = list;
    ops.push_back(std::move(op));
  }

  if (scope) {
    // Few items: each new one goes in at its place.
    for (size_t w = 0; w < wanted.size(); ++w) {
      if (matchOf[w]) {
        wanted[w].node = matchOf[w];
        DiffClassChildren(shape, matchOf[w], wanted[w].children, nullptr, ops);
        continue;
      }
      const auto at = std::lower_bound(list.begin(), list.end(), wanted[w].text, less);
      const ClassNodeId after = at == list.begin() ? 0 : *(at - 1);
      const std::ptrdiff_t index = at - list.begin();
      const ClassNodeId id = InsertSubtree(shape, parent, after, wanted[w], ops);
      list.insert(list.begin() + index, id);
    }
    shape.nodes[parent].children = std::move(list);
    return;
  }

  // Walk the wanted order: kept items are compared below, new ones inserted
  // after the item that precedes them.
  std::vector<ClassNodeId> merged;
  merged.reserve(list.size() + wanted.size());
  size_t r = 0;
  for (size_t w = 0; w < wanted.size(); ++w) {
    if (matchOf[w]) {
      wanted[w].node = matchOf[w];
      while (r < list.size() && list[r] != matchOf[w]) merged.push_back(list[r++]);
      if (r < list.size()) merged.push_back(list[r++]);
      DiffClassChildren(shape, matchOf[w], wanted[w].children, nullptr, ops);
    } else {
      while (r < list.size() && less(list[r], wanted[w].text)) merged.push_back(list[r++]);
      merged.push_back(InsertSubtree(shape, parent, merged.empty() ? 0 : merged.back(), wanted[w], ops));
    }
  }
  while (r < list.size()) merged.push_back(list[r++]);
  shape.nodes[parent].children = std::move(merged);
}
