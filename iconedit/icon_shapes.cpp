#include "iconedit/icon_shapes.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

CellRect NormalisedRect(IconPoint a, IconPoint b) {
  return CellRect{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

CellRect ClipRect(const CellRect& r, int width, int height) {
  CellRect c{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width - 1), std::min(r.bottom, height - 1)};
  return IsEmptyRect(c) ? CellRect{} : c;
}

std::vector<IconPoint> LineCells(IconPoint a, IconPoint b) {
  std::vector<IconPoint> cells;
  const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  if (dy < dx) {
    if (b.x < a.x) std::swap(a, b);
    const int step = b.y < a.y ? -1 : 1;
    int y = a.y, e = dx / 2;
    cells.push_back(a);
    for (int x = a.x + 1; x <= b.x; ++x) {
      e -= dy;
      if (e < 0) {
        y += step;
        e += dx;
      }
      cells.push_back(IconPoint{x, y});
    }
  } else {
    if (b.y < a.y) std::swap(a, b);
    const int step = b.x < a.x ? -1 : 1;
    int x = a.x, e = dy / 2;
    cells.push_back(a);
    for (int y = a.y + 1; y <= b.y; ++y) {
      e -= dx;
      if (e < 0) {
        x += step;
        e += dy;
      }
      cells.push_back(IconPoint{x, y});
    }
  }
  return cells;
}

std::vector<IconPoint> RectangleOutlineCells(const CellRect& r) {
  std::vector<IconPoint> cells;
  for (int y = r.top; y <= r.bottom; ++y) {
    cells.push_back(IconPoint{r.left, y});
    cells.push_back(IconPoint{r.right, y});
  }
  for (int x = r.left + 1; x <= r.right - 1; ++x) {
    cells.push_back(IconPoint{x, r.top});
    cells.push_back(IconPoint{x, r.bottom});
  }
  return cells;
}

std::vector<IconPoint> RectangleInsideCells(const CellRect& r, int width, int height) {
  std::vector<IconPoint> cells;
  const CellRect in = ClipRect(CellRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, width, height);
  for (int y = in.top; y <= in.bottom; ++y)
    for (int x = in.left; x <= in.right; ++x) cells.push_back(IconPoint{x, y});
  return cells;
}

void KeepCellsInside(std::vector<IconPoint>& cells, int width, int height) {
  cells.erase(std::remove_if(cells.begin(), cells.end(),
                             [width, height](IconPoint p) { return p.x < 0 || p.y < 0 || p.x >= width || p.y >= height; }),
              cells.end());
}

std::vector<IconPoint> EllipseCells(const CellRect& r) {
  const int a = (r.right - r.left) / 2, b = (r.bottom - r.top) / 2;
  const int ox = (r.right - r.left) % 2, oy = (r.bottom - r.top) % 2;
  const int cl = r.left + a, cr = cl + ox, ct = r.top + b, cb = ct + oy;
  if (a == 0 && b == 0) {
    return r.bottom - r.top == 1 ? RectangleOutlineCells(r)
                                 : LineCells(IconPoint{r.left, r.top}, IconPoint{r.right, r.bottom});
  }
  const bool tall = b >= a;
  const int big = tall ? b : a, small = tall ? a : b;
  std::vector<IconPoint> cells;
  auto add = [&cells](int x, int y) { cells.push_back(IconPoint{x, y}); };
  for (int u = 0, v = big, e = big; v >= u; ++u) {
    const int su = small * u / big, sv = small * v / big;
    if (tall) {
      add(cr + sv, cb + u), add(cr + sv, ct - u), add(cl - sv, cb + u), add(cl - sv, ct - u);
      add(cr + su, cb + v), add(cr + su, ct - v), add(cl - su, cb + v), add(cl - su, ct - v);
    } else {
      add(cr + v, cb + su), add(cr + v, ct - su), add(cl - v, cb + su), add(cl - v, ct - su);
      add(cr + u, cb + sv), add(cr + u, ct - sv), add(cl - u, cb + sv), add(cl - u, ct - sv);
    }
    e -= 2 * u + 1;
    if (e <= 0) {
      e += 2 * v - 2;
      --v;
    }
  }
  return cells;
}

void PaintIconCells(IconImage& image, const std::vector<IconPoint>& cells, int index) {
  for (const IconPoint& p : cells) IconPixelSet(image, p.x, p.y, index);
}

bool FloodFillIcon(IconImage& image, IconPoint start, int index) {
  const int w = IconWidth(image), h = IconHeight(image);
  auto inside = [w, h](IconPoint p) { return p.x >= 0 && p.y >= 0 && p.x < w && p.y < h; };
  if (!inside(start)) return false;
  const COLORREF target = IconPixelGet(image, start.x, start.y);
  // Also stops a palette that maps the new index to the target colour from
  // refilling its own cells.
  if (IconIndexColour(image, index) == target) return false;
  std::vector<IconPoint> pending{start};
  while (!pending.empty()) {
    const IconPoint p = pending.back();
    pending.pop_back();
    if (!inside(p) || IconPixelGet(image, p.x, p.y) != target) continue;
    IconPixelSet(image, p.x, p.y, index);
    for (IconPoint n : {IconPoint{p.x, p.y + 1}, IconPoint{p.x + 1, p.y}, IconPoint{p.x, p.y - 1},
                        IconPoint{p.x - 1, p.y}})
      pending.push_back(n);
  }
  return true;
}
