#include "extract/diffusion_regions.h"
#include "extract/neighbours.h"

#include <unordered_map>
#include <vector>

namespace {
std::unordered_map<const _Dtile*, int> regionOfTile;
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
  auto it = regionOfTile.find(tile);
  if (it != regionOfTile.end()) return it->second;
  int id = regions++;
  flood(tile, id);
  return id;
}
