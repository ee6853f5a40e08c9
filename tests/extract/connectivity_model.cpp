#include "connectivity_model.h"

#include <algorithm>
#include <array>
#include <set>

namespace {
std::vector<long> edges(const std::vector<ModelRect>& rects, bool vertical) {
  std::vector<long> v;
  for (const ModelRect& r : rects) {
    v.push_back(vertical ? r.x1 : r.y1);
    v.push_back(vertical ? r.x2 : r.y2);
  }
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v;
}

int indexOf(const std::vector<long>& v, long value) {
  return static_cast<int>(std::lower_bound(v.begin(), v.end(), value) - v.begin());
}
}  // namespace

ConnectivityModel::ConnectivityModel(const std::vector<ModelRect>& rects,
                                     const std::vector<ModelElement>& elements,
                                     const std::vector<ModelConnection>& connections) {
  auto layer = [&](const std::string& name) {
    auto it = layerIndex_.find(name);
    if (it != layerIndex_.end()) return it->second;
    int i = static_cast<int>(layerIndex_.size());
    layerIndex_[name] = i;
    return i;
  };
  for (const ModelRect& r : rects) layer(r.layer);
  for (const ModelElement& e : elements)
    for (const std::string& l : e.layers) layer(l);
  for (const ModelConnection& c : connections) {
    layer(c.lower);
    layer(c.contact);
    layer(c.upper);
  }
  active_ = layer(elements.at(0).layers.at(0));
  gate_ = layer(elements.at(0).layers.at(1));

  xs_ = edges(rects, true);
  ys_ = edges(rects, false);
  nx_ = std::max<int>(0, static_cast<int>(xs_.size()) - 1);
  ny_ = std::max<int>(0, static_cast<int>(ys_.size()) - 1);
  cells_ = nx_ * ny_;
  cover_.assign(layerIndex_.size(), std::vector<char>(cells_, 0));
  for (const ModelRect& r : rects) {
    int l = layerIndex_[r.layer];
    for (int i = indexOf(xs_, r.x1); i < indexOf(xs_, r.x2); ++i)
      for (int j = indexOf(ys_, r.y1); j < indexOf(ys_, r.y2); ++j) cover_[l][j * nx_ + i] = 1;
  }

  parent_.resize(layerIndex_.size() * cells_);
  for (size_t i = 0; i < parent_.size(); ++i) parent_[i] = static_cast<int>(i);
  auto isGate = [&](int c) { return has(active_, c) && has(gate_, c); };
  auto conducts = [&](int l, int c) { return has(l, c) && !(l == active_ && has(gate_, c)); };

  for (int l = 0; l < static_cast<int>(layerIndex_.size()); ++l)
    for (int j = 0; j < ny_; ++j)
      for (int i = 0; i < nx_; ++i) {
        int c = j * nx_ + i;
        if (!conducts(l, c)) continue;
        if (i + 1 < nx_ && conducts(l, c + 1)) unite(node(l, c), node(l, c + 1));
        if (j + 1 < ny_ && conducts(l, c + nx_)) unite(node(l, c), node(l, c + nx_));
      }
  regionOf_.assign(cells_, -1);
  for (int c = 0; c < cells_; ++c)
    if (conducts(active_, c)) regionOf_[c] = find(node(active_, c));
  for (const ModelConnection& k : connections) {
    int lo = layerIndex_[k.lower], co = layerIndex_[k.contact], up = layerIndex_[k.upper];
    for (int c = 0; c < cells_; ++c)
      if (has(co, c) && conducts(lo, c) && conducts(up, c)) unite(node(lo, c), node(up, c));
  }

  // The four grid neighbours of a cell, -1 beyond the border.
  auto around = [&](int c) {
    int i = c % nx_, j = c / nx_;
    return std::array<int, 4>{i > 0 ? c - 1 : -1, i + 1 < nx_ ? c + 1 : -1, j > 0 ? c - nx_ : -1,
                              j + 1 < ny_ ? c + nx_ : -1};
  };
  // Gate areas: connected cells where the gate layer covers active material.
  gateOf_.assign(cells_, -1);
  for (int start = 0; start < cells_; ++start) {
    if (!isGate(start) || gateOf_[start] >= 0) continue;
    int index = static_cast<int>(transistors_.size());
    std::vector<int> area{start}, stack{start};
    gateOf_[start] = index;
    while (!stack.empty()) {
      int c = stack.back();
      stack.pop_back();
      for (int n : around(c))
        if (n >= 0 && isGate(n) && gateOf_[n] < 0) {
          gateOf_[n] = index;
          area.push_back(n);
          stack.push_back(n);
        }
    }
    ModelTransistor t{xs_[nx_], ys_[ny_], xs_[0], ys_[0], 0, find(node(gate_, start)), {}};
    std::set<int> regions;
    for (int c : area) {
      int i = c % nx_, j = c / nx_;
      t.x1 = std::min(t.x1, xs_[i]);
      t.y1 = std::min(t.y1, ys_[j]);
      t.x2 = std::max(t.x2, xs_[i + 1]);
      t.y2 = std::max(t.y2, ys_[j + 1]);
      for (int n : around(c))
        if (n >= 0 && conducts(active_, n)) regions.insert(regionOf_[n]);
    }
    t.diffusionRegions.assign(regions.begin(), regions.end());
    size_t best = 0;
    for (size_t e = 0; e < elements.size(); ++e) {
      bool covered = true;
      for (size_t k = 1; covered && k < elements[e].layers.size(); ++k) {
        int l = layerIndex_[elements[e].layers[k]];
        for (int c : area) covered = covered && has(l, c);
      }
      if (covered && elements[e].layers.size() > best) {
        best = elements[e].layers.size();
        t.element = static_cast<int>(e);
      }
    }
    transistors_.push_back(t);
  }
}

int ConnectivityModel::find(int a) const {
  while (parent_[a] != a) {
    parent_[a] = parent_[parent_[a]];
    a = parent_[a];
  }
  return a;
}

void ConnectivityModel::unite(int a, int b) {
  a = find(a);
  b = find(b);
  if (a != b) parent_[std::max(a, b)] = std::min(a, b);
}

int ConnectivityModel::cellAt(double x, double y) const {
  if (cells_ == 0 || x <= xs_.front() || x >= xs_.back() || y <= ys_.front() || y >= ys_.back())
    return -1;
  int i = static_cast<int>(std::upper_bound(xs_.begin(), xs_.end(), x) - xs_.begin()) - 1;
  int j = static_cast<int>(std::upper_bound(ys_.begin(), ys_.end(), y) - ys_.begin()) - 1;
  return j * nx_ + i;
}

int ConnectivityModel::netAt(const std::string& layer, double x, double y) const {
  auto it = layerIndex_.find(layer);
  int c = cellAt(x, y);
  if (it == layerIndex_.end() || c < 0 || !has(it->second, c)) return -1;
  if (it->second == active_ && has(gate_, c)) return -1;
  return find(node(it->second, c));
}

int ConnectivityModel::transistorAt(double x, double y) const {
  int c = cellAt(x, y);
  return c < 0 ? -1 : gateOf_[c];
}

int ConnectivityModel::regionAt(double x, double y) const {
  int c = cellAt(x, y);
  return c < 0 ? -1 : regionOf_[c];
}
