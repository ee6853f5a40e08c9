// Generated transistor circuits for the extraction tests and benchmarks:
// inverter chains and arrays, a differential pair with a current-mirror load,
// a vertical transistor, a gate over a diffusion notch and a gate between three
// diffusion regions. Geometry is drawn in lambda (20 CIF units) on the layers
// CAA (active), CPG (poly), CWN (n-well), CSP/CSN (p/n select), CCA/CCP
// (active/poly contacts) and CMF (metal 1), and written as a flat CIF cell.
// P-channel transistors sit in CWN and CSP, N-channel ones in CSN.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "text_file.h"

// Boxes (corners in units of `unit` CIF units) as cell 1 named `name`, a
// layer command before each change of layer, and the top level's call of it.
template <class Rect>
std::string CVcifBoxes(const std::vector<Rect>& rects, const char* name, long unit) {
  std::string out = std::string("DS 1 1 1;\n9 ") + name + ";\n", current;
  char line[160];
  for (const Rect& r : rects) {
    if (current != r.layer) out += "L " + (current = r.layer) + ";\n";
    snprintf(line, sizeof line, "B %ld %ld %ld %ld;\n", (r.x2 - r.x1) * unit, (r.y2 - r.y1) * unit,
             (r.x1 + r.x2) * unit / 2, (r.y1 + r.y2) * unit / 2);
    out += line;
  }
  return out + "DF;\nC 1;\n";
}

struct CvLayout {
  static constexpr long kLambda = 20;  // CIF units per lambda

  struct Rect {
    const char* layer;
    long x1, y1, x2, y2;  // lambda
  };
  struct Label {
    std::string text;
    const char* layer;
    long x, y;  // lambda
  };
  std::vector<Rect> rects;
  std::vector<Label> labels;

  void box(const char* layer, long x1, long y1, long x2, long y2) {
    rects.push_back({layer, x1, y1, x2, y2});
  }
  void label(const std::string& text, const char* layer, long x, long y) {
    labels.push_back({text, layer, x, y});
  }

  // A contact of 2x2 lambda with its lower-left corner at (x, y).
  void contact(const char* layer, long x, long y) { box(layer, x, y, x + 2, y + 2); }

  // One CMOS inverter at (x, y): NMOS at the bottom, PMOS in a well above, the
  // input a poly contact reached by metal from the left (x - 7), the output a
  // vertical metal at x + 7 .. x + 9. Rails (GND below, VDD above) span
  // x - 2 .. x + 12, so inverters 14 lambda apart form continuous rails and a
  // chain (each input metal reaches back to the previous output).
  void inverter(long x, long y) {
    box("CAA", x + 0, y + 0, x + 10, y + 4);
    box("CAA", x + 0, y + 10, x + 10, y + 14);
    box("CWN", x - 1, y + 9, x + 11, y + 15);
    box("CSP", x - 1, y + 9, x + 11, y + 15);
    box("CSN", x - 1, y - 1, x + 11, y + 5);
    box("CPG", x + 4, y - 1, x + 6, y + 15);
    box("CPG", x + 0, y + 5, x + 6, y + 9);
    contact("CCP", x + 1, y + 6);
    box("CMF", x - 7, y + 6, x + 3, y + 8);
    contact("CCA", x + 1, y + 1);
    box("CMF", x + 1, y - 3, x + 3, y + 3);
    box("CMF", x - 2, y - 5, x + 12, y - 3);
    contact("CCA", x + 7, y + 1);
    contact("CCA", x + 7, y + 11);
    box("CMF", x + 7, y + 1, x + 9, y + 13);
    contact("CCA", x + 1, y + 11);
    box("CMF", x + 1, y + 11, x + 3, y + 20);
    box("CMF", x - 2, y + 20, x + 12, y + 22);
  }

  void inverterChain(int stages, long x = 0, long y = 0) {
    for (int i = 0; i < stages; ++i) inverter(x + 14 * i, y);
    label("in", "CMF", x - 6, y + 7);
    label("out", "CMF", x + 14 * (stages - 1) + 8, y + 12);
    label("VDD", "CMF", x, y + 21);
    label("GND", "CMF", x, y - 4);
  }

  // rows x columns inverters, each row a chain; 2 transistors per inverter.
  void inverterArray(int rows, int columns) {
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) inverter(14L * c, 30L * r);
    label("VDD", "CMF", 0, 21);
    label("GND", "CMF", 0, -4);
  }

  // Five-transistor amplifier at (x, y): NMOS pair M1 (inp) and M2 (inn) with
  // a shared source, a vertical tail transistor (bias) below it, and a PMOS
  // current mirror (M3 diode-connected through a poly contact) above.
  void diffPairMirror(long x = 0, long y = 0) {
    box("CAA", x + 0, y + 0, x + 22, y + 4);
    box("CPG", x + 4, y - 2, x + 6, y + 5);
    box("CPG", x + 16, y - 2, x + 18, y + 5);
    box("CAA", x + 9, y - 12, x + 13, y + 0);
    box("CSN", x - 1, y - 13, x + 23, y + 5);
    box("CPG", x + 7, y - 7, x + 15, y - 5);
    contact("CCA", x + 10, y - 11);
    box("CMF", x + 10, y - 14, x + 12, y - 9);
    box("CMF", x - 2, y - 16, x + 24, y - 14);
    box("CAA", x + 0, y + 10, x + 22, y + 14);
    box("CWN", x - 1, y + 9, x + 23, y + 15);
    box("CSP", x - 1, y + 9, x + 23, y + 15);
    box("CPG", x + 4, y + 9, x + 6, y + 17);
    box("CPG", x + 16, y + 9, x + 18, y + 17);
    box("CPG", x + 4, y + 15, x + 18, y + 17);
    contact("CCA", x + 10, y + 11);
    box("CMF", x + 10, y + 11, x + 12, y + 20);
    box("CMF", x - 2, y + 20, x + 24, y + 22);
    contact("CCA", x + 1, y + 1);
    contact("CCA", x + 1, y + 11);
    box("CPG", x + 0, y + 15, x + 4, y + 19);
    contact("CCP", x + 1, y + 16);
    box("CMF", x + 1, y + 1, x + 3, y + 18);
    contact("CCA", x + 19, y + 1);
    contact("CCA", x + 19, y + 11);
    box("CMF", x + 19, y + 1, x + 21, y + 13);
    label("inp", "CPG", x + 5, y - 2);
    label("inn", "CPG", x + 17, y - 2);
    label("bias", "CPG", x + 8, y - 6);
    label("out", "CMF", x + 20, y + 7);
    label("VDD", "CMF", x, y + 21);
    label("GND", "CMF", x, y - 15);
  }

  // An NMOS transistor drawn vertically: source below the gate, drain above.
  void verticalTransistor(long x = 0, long y = 0) {
    box("CAA", x + 0, y + 0, x + 4, y + 12);
    box("CSN", x - 1, y - 1, x + 5, y + 13);
    box("CPG", x - 1, y + 5, x + 5, y + 7);
    contact("CCA", x + 1, y + 1);
    box("CMF", x + 1, y + 1, x + 3, y + 3);
    contact("CCA", x + 1, y + 9);
    box("CMF", x + 1, y + 9, x + 3, y + 11);
  }

  // A gate crossing a diffusion with a notch (a bump under the poly): the
  // gate is made of several element tiles.
  void notchedGate(long x = 0, long y = 0) {
    box("CAA", x + 0, y + 0, x + 10, y + 4);
    box("CAA", x + 3, y + 4, x + 7, y + 6);
    box("CSN", x - 1, y - 1, x + 11, y + 7);
    box("CPG", x + 4, y - 1, x + 6, y + 7);
  }

  // A square gate on a T-shaped diffusion: three separate diffusion regions
  // (left, right, below) touch it.
  void threeRegionGate(long x = 0, long y = 0) {
    box("CAA", x + 0, y + 4, x + 12, y + 8);
    box("CAA", x + 4, y + 0, x + 8, y + 4);
    box("CSN", x - 1, y - 1, x + 13, y + 9);
    box("CPG", x + 4, y + 4, x + 8, y + 10);
  }

  std::string cif() const {
    // Labels go to the top cell (after the call), so flattening keeps their text.
    std::string out = CVcifBoxes(rects, "generated", kLambda);
    char line[160];
    for (const Label& l : labels) {
      snprintf(line, sizeof line, "94 %s %ld %ld %s;\n", l.text.c_str(), l.x * kLambda, l.y * kLambda, l.layer);
      out += line;
    }
    return out + "E\n";
  }

  bool writeCif(const std::string& path) const { return CVwriteFile(path, cif()); }
};
