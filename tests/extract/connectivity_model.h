// An independent connectivity model of a flat layout, for checking extraction:
// the layout is cut into a grid along every rectangle edge, each grid cell knows
// which layers cover it, and union-find joins touching cells of one layer and
// the cells that a contact joins. Transistors are the connected areas where the
// gate layer covers active material; their diffusions are the active areas
// next to them.
#pragma once

#include <map>
#include <string>
#include <vector>

struct ModelRect {
  std::string layer;
  long x1, y1, x2, y2;
};

struct ModelElement {
  std::vector<std::string> layers;  // active, gate, further layers that must cover the gate
};

struct ModelConnection {
  std::string lower, contact, upper;
};

struct ModelTransistor {
  long x1, y1, x2, y2;   // bounding box of the gate area
  int element;           // definition with the most covering layers, first on ties
  int gateNet;
  std::vector<int> diffusionRegions;  // distinct active-only areas touching the gate
};

class ConnectivityModel {
 public:
  ConnectivityModel(const std::vector<ModelRect>& rects, const std::vector<ModelElement>& elements,
                    const std::vector<ModelConnection>& connections);

  const std::vector<ModelTransistor>& transistors() const { return transistors_; }
  // Net of the conducting material of `layer` at (x, y) (diffusion for the
  // active layer), or -1 where there is none.
  int netAt(const std::string& layer, double x, double y) const;
  // The active-only diffusion area at (x, y) (joined through active material
  // alone, not through contacts), or -1.
  int regionAt(double x, double y) const;
  // Index of the transistor whose gate area holds (x, y), or -1.
  int transistorAt(double x, double y) const;

 private:
  int cellAt(double x, double y) const;
  bool has(int layer, int cell) const { return cover_[layer][cell]; }
  int find(int a) const;
  void unite(int a, int b);
  int node(int layer, int cell) const { return layer * cells_ + cell; }

  std::vector<long> xs_, ys_;
  int nx_ = 0, ny_ = 0, cells_ = 0;
  std::map<std::string, int> layerIndex_;
  std::vector<std::vector<char>> cover_;
  int active_ = -1, gate_ = -1;
  mutable std::vector<int> parent_;
  std::vector<int> regionOf_;  // cell -> diffusion area, -1 off diffusion
  std::vector<int> gateOf_;  // cell -> transistor index or -1
  std::vector<ModelTransistor> transistors_;
};
