#include "extract/diffusion_regions.h"
#include "extract/neighbours.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace {
// Region numbers by tile, in one flat table (open addressing, linear
// probing): every diffusion tile of a large layout gets an entry, and a
// node-based map would allocate and chase a pointer for each.
class RegionTable {
 public:
  // The entry of `tile`, made with `id` when missing; second: it was made.
  std::pair<int, bool> emplace(const _Dtile* tile, int id) {
    if (2 * (used_ + 1) > slots_.size()) grow();
    std::size_t i = slotOf(tile);
    while (slots_[i].tile && slots_[i].tile != tile) i = (i + 1) & (slots_.size() - 1);
    if (slots_[i].tile) return {slots_[i].id, false};
    slots_[i] = {tile, id};
    ++used_;
    return {id, true};
  }
  const int* find(const _Dtile* tile) const {
    if (slots_.empty()) return nullptr;
    for (std::size_t i = slotOf(tile); slots_[i].tile; i = (i + 1) & (slots_.size() - 1))
      if (slots_[i].tile == tile) return &slots_[i].id;
    return nullptr;
  }
  void clear() {
    std::vector<Slot>().swap(slots_);
    used_ = 0;
    bits_ = 0;
  }

 private:
  struct Slot {
    const _Dtile* tile;
    int id;
  };
  std::size_t slotOf(const _Dtile* tile) const {
    return static_cast<std::size_t>((reinterpret_cast<uintptr_t>(tile) * 0x9E3779B97F4A7C15ull) >> (64 - bits_));
  }
  void grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    bits_ = bits_ ? bits_ + 1 : 10;
    slots_.assign(std::size_t{1} << bits_, Slot{nullptr, 0});
    used_ = 0;
    for (const Slot& s : old)
      if (s.tile) emplace(s.tile, s.id);
  }
  std::vector<Slot> slots_;
  std::size_t used_ = 0;
  int bits_ = 0;
};

RegionTable regionOfTile;
int regions = 0;

void flood(_Dtile* start, int id) {
  std::vector<_Dtile*> stack{start};
  regionOfTile.emplace(start, id);
  auto visit = [&](_Dtile* from, _Dtile* nb) {
    if (TisElement(nb) || !TisSolid(nb) || !TsameType(from, nb)) return;
    if (regionOfTile.emplace(nb, id).second) stack.push_back(nb);
  };
  while (!stack.empty()) {
    _Dtile* t = stack.back();
    stack.pop_back();
    DExVisitNeighbours(t, [&](_Dtile* nb) { visit(t, nb); });
  }
}
}  // namespace

void DExClearRegions() {
  regionOfTile.clear();
  regions = 0;
}

int DExRegionOf(_Dtile* tile) {
  if (const int* known = regionOfTile.find(tile)) return *known;
  int id = regions++;
  flood(tile, id);
  return id;
}
