// Comparing two circuits by the partition of transistor terminals into nets:
// a layout is loaded and extracted by the one-step load, and two circuits
// are the same when some one-to-one matching of their transistors (same
// element) and of their nets maps every gate to a gate and the pair of
// diffusion terminals to the pair (in either order), and every matched pair
// has the same width and length up to one factor for the whole circuit.
#pragma once
#include <string>
#include <vector>

struct CVcircuit {
  struct Device {
    int element;
    int gate;
    int sd[2];  // source and drain nets (0 when the transistor has no drain)
    int width, length;  // layout units
  };
  std::vector<Device> devices;
};

// Loads `cif` (file acceptance 12 of a started system) and returns its transistors.
CVcircuit CVloadCircuit(const std::string& cif);
// Empty when `a` and `b` are the same circuit with every transistor of `a`
// `factor` times as wide and long as its match in `b`, else what differs.
std::string CVcompareCircuits(const CVcircuit& a, const CVcircuit& b, int factor = 1);
