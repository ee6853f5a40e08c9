// While building, a tile kept in a grid carries its cell as `node` (nets are
// numbered only after building), so a tile merged away can be dropped from
// its cell at once.
#include "cs/hint_grid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr long CELL_BITS = 24;  // node = plane << 24 | (cell + 1)

struct Grid {
  bool active = false;
  _box frame{};
  long side = 1;  // cells per axis
  long cellW = 1, cellH = 1;
  std::vector<_Dtile*> cells[CS_MAX_PLANES];
} grid;

long columnOf(long x) { return std::clamp((x - grid.frame.x1) / grid.cellW, 0L, grid.side - 1); }
long rowOf(long y) { return std::clamp((y - grid.frame.y1) / grid.cellH, 0L, grid.side - 1); }
long cellOf(long x, long y) { return rowOf(y) * grid.side + columnOf(x); }

// Cells searched for a hint, nearest first: straight above and below come
// before the sides, since a vertical walk stays inside a column of tiles
// while a sideways one may have to cross a tall strip.
constexpr long REACH = 8;

void release(int plane, long cell) {
  _Dtile*& slot = grid.cells[plane][cell];
  if (slot) slot->node = 0;
  slot = nullptr;
}
}  // namespace

void CShintsBegin(const _box& frame, long rects) {
  CShintsEnd();
  grid.active = true;
  grid.frame = frame;
  grid.side = std::clamp(static_cast<long>(std::sqrt(static_cast<double>(std::max(rects, 1L)) / 4)), 1L, 1024L);
  grid.cellW = std::max(1L, (frame.x2 - frame.x1) / grid.side + 1);
  grid.cellH = std::max(1L, (frame.y2 - frame.y1) / grid.side + 1);
}

void CShintsEnd() {
  for (int p = 0; p < CS_MAX_PLANES; ++p) {
    for (_Dtile* t : grid.cells[p])
      if (t) t->node = 0;
    std::vector<_Dtile*>().swap(grid.cells[p]);
  }
  grid.active = false;
}

namespace {
// A start in the same column of tiles as the target: with vertical strips a
// walk up or down a column is short, while a walk that crosses a tall strip
// sideways enters the next column at its far end (the top when going right,
// the bottom when going left) and climbs the whole column.
bool overColumn(const _Dtile* t, long x) { return t->x1 < x && x <= TileRight(t); }
constexpr int CANDIDATES = 4;
}  // namespace

_Dtile* CShint(int plane, long x, long y, _Dtile* fallback) {
  if (!grid.active || plane < 0 || plane >= CS_MAX_PLANES || grid.cells[plane].empty()) return fallback;
  const std::vector<_Dtile*>& cells = grid.cells[plane];
  const long cx = columnOf(x), cy = rowOf(y);
  auto at = [&](long c, long r) -> _Dtile* {
    return c < 0 || r < 0 || c >= grid.side || r >= grid.side ? nullptr : cells[r * grid.side + c];
  };
  _Dtile* first = nullptr;
  int seen = 0;
  // True when the search may stop: `t` lies over x, or enough were seen.
  auto consider = [&](_Dtile* t) {
    if (!t) return false;
    if (!first) first = t;
    return overColumn(t, x) || ++seen >= CANDIDATES;
  };
  auto chosen = [&](_Dtile* t) { return overColumn(t, x) ? t : first; };
  if (_Dtile* t = at(cx, cy); consider(t)) return chosen(t);
  if (fallback && overColumn(fallback, x)) return fallback;
  for (long d = 1; d <= REACH; ++d) {
    if (_Dtile* t = at(cx, cy - d); consider(t)) return chosen(t);
    if (_Dtile* t = at(cx, cy + d); consider(t)) return chosen(t);
  }
  for (long d = 1; d <= 2; ++d)
    for (long r = cy - 1; r <= cy + 1; ++r) {
      if (_Dtile* t = at(cx - d, r); consider(t)) return chosen(t);
      if (_Dtile* t = at(cx + d, r); consider(t)) return chosen(t);
    }
  return first ? first : fallback;
}

void CShintRecord(int plane, long x, long y, _Dtile* tile) {
  if (!grid.active || !tile || plane < 0 || plane >= CS_MAX_PLANES) return;
  // Grids are made for the planes that are built: 32 grids of a
  // million-rectangle layout would take tens of megabytes to clear.
  if (grid.cells[plane].empty()) grid.cells[plane].assign(static_cast<size_t>(grid.side * grid.side), nullptr);
  if (tile->node > 0) release(static_cast<int>(tile->node >> CELL_BITS), (tile->node & ((1L << CELL_BITS) - 1)) - 1);
  long cell = cellOf(x, y);
  release(plane, cell);
  grid.cells[plane][cell] = tile;
  tile->node = (static_cast<long>(plane) << CELL_BITS) | (cell + 1);
}

void CShintForget(_Dtile* gone) {
  if (!grid.active || gone->node <= 0) return;
  int plane = static_cast<int>(gone->node >> CELL_BITS);
  long cell = (gone->node & ((1L << CELL_BITS) - 1)) - 1;
  if (plane < CS_MAX_PLANES && cell >= 0 && cell < static_cast<long>(grid.cells[plane].size()) &&
      grid.cells[plane][cell] == gone)
    grid.cells[plane][cell] = nullptr;
  gone->node = 0;
}

int CSplaneIndex(int number) {
  for (int i = 0; i < DlayerNum; ++i)
    if (DlayerTile[i].layer == number) return i;
  return -1;
}
