#include "support/circuit_compare.h"

#include <map>

#include "extract/transistor.h"
#include "interface/accept.h"
#include "techc/tech.h"

namespace {

struct Matcher {
  const CVcircuit& a;
  const CVcircuit& b;
  int factor;
  std::vector<bool> used;
  std::map<int, int> ab, ba;  // net correspondence

  // Maps net x of a to net y of b; false when either is already mapped elsewhere.
  bool bind(int x, int y, std::vector<int>& added) {
    auto i = ab.find(x), j = ba.find(y);
    if (i != ab.end() || j != ba.end()) return i != ab.end() && j != ba.end() && i->second == y && j->second == x;
    ab[x] = y, ba[y] = x;
    added.push_back(x);
    return true;
  }
  void unbind(const std::vector<int>& added) {
    for (int x : added) {
      ba.erase(ab[x]);
      ab.erase(x);
    }
  }
  bool match(size_t i) {
    if (i == a.devices.size()) return true;
    const CVcircuit::Device& d = a.devices[i];
    for (size_t k = 0; k < b.devices.size(); ++k) {
      const CVcircuit::Device& e = b.devices[k];
      if (used[k] || e.element != d.element || d.width != factor * e.width || d.length != factor * e.length) continue;
      for (int swap = 0; swap < 2; ++swap) {
        std::vector<int> added;
        bool ok = bind(d.gate, e.gate, added) && bind(d.sd[0], e.sd[swap], added) && bind(d.sd[1], e.sd[1 - swap], added);
        if (ok) {
          used[k] = true;
          if (match(i + 1)) return true;
          used[k] = false;
        }
        unbind(added);
      }
    }
    return false;
  }
};

}  // namespace

CVcircuit CVloadCircuit(const std::string& cif) {
  DIacceptCB(12, cif.c_str());
  CVcircuit c;
  for (int e = 0; e < DelementNum && Transistors; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next) c.devices.push_back({e, t->gate, {t->source, t->drain}, t->width, t->length});
  return c;
}

std::string CVcompareCircuits(const CVcircuit& a, const CVcircuit& b, int factor) {
  if (a.devices.size() != b.devices.size())
    return std::to_string(a.devices.size()) + " transistors against " + std::to_string(b.devices.size());
  Matcher m{a, b, factor, std::vector<bool>(b.devices.size(), false), {}, {}};
  return m.match(0) ? "" : "no matching of transistors and nets keeps every terminal's net and size (factor " +
                               std::to_string(factor) + ")";
}
