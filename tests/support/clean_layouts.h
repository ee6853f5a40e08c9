// Generated layouts drawn to the built-in design rules (grid units of 0.1 um,
// 10 CIF units each), for the resizer's tests: every width, spacing and
// enclosure of the default tables is met, so a compacted copy can be held to
// the same rules. Layers as in the default technology: CAA active, CPG poly,
// CCA/CCP active/poly contacts, CMF metal 1, CWN n-well, CSN/CSP selects.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "circuit_layouts.h"
#include "text_file.h"

struct CvCleanLayout {
  static constexpr long kGrid = 10;  // CIF units per grid unit

  struct Rect {
    const char* layer;
    long x1, y1, x2, y2;  // grid units
  };
  std::vector<Rect> rects;

  void box(const char* layer, long x1, long y1, long x2, long y2) { rects.push_back({layer, x1, y1, x2, y2}); }

  // A CMOS inverter at (x, y), 24 wide (x - 4 .. x + 20) and 56 tall
  // (y - 12 .. y + 44): NMOS below, PMOS in its well above, one poly gate
  // with an input pad, the drains joined by metal, rails GND and VDD.
  void inverter(long x = 0, long y = 0) {
    box("CWN", x - 3, y + 21, x + 21, y + 35);
    box("CSN", x - 2, y - 2, x + 20, y + 8);
    box("CSP", x - 2, y + 22, x + 20, y + 34);
    box("CAA", x + 0, y + 0, x + 18, y + 6);
    box("CAA", x + 0, y + 24, x + 18, y + 32);
    box("CPG", x + 7, y - 2, x + 9, y + 34);
    box("CPG", x + 5, y + 13, x + 9, y + 17);
    box("CCP", x + 6, y + 14, x + 8, y + 16);
    for (long cx : {x + 2, x + 14})
      for (long cy : {y + 2, y + 27}) box("CCA", cx, cy, cx + 2, cy + 2);
    box("CMF", x - 4, y - 12, x + 20, y - 6);
    box("CMF", x - 4, y + 38, x + 20, y + 44);
    box("CMF", x + 1, y - 8, x + 5, y + 5);
    box("CMF", x + 1, y + 26, x + 5, y + 40);
    box("CMF", x + 13, y + 1, x + 17, y + 30);
    box("CMF", x + 5, y + 13, x + 9, y + 17);
  }

  // A differential pair at (x, y): two NMOS transistors on one active strip
  // sharing the source in the middle (strapped down to a GND rail), each
  // drain with its own metal, each gate its own poly line.
  void differentialPair(long x = 0, long y = 0) {
    box("CSN", x - 2, y - 2, x + 32, y + 8);
    box("CAA", x + 0, y + 0, x + 30, y + 6);
    box("CPG", x + 7, y - 2, x + 9, y + 14);
    box("CPG", x + 21, y - 2, x + 23, y + 14);
    for (long cx : {x + 2, x + 14, x + 26}) box("CCA", cx, y + 2, cx + 2, y + 4);
    box("CMF", x + 1, y + 1, x + 5, y + 20);
    box("CMF", x + 13, y - 10, x + 17, y + 5);
    box("CMF", x + 25, y + 1, x + 29, y + 20);
    box("CMF", x - 4, y - 14, x + 34, y - 8);
  }

  // The five-transistor amplifier of CvLayout (an NMOS pair with a PMOS
  // mirror load) at 5 grid units a lambda, the pitch at which its spacings
  // meet the rules, with a metal pad one grid unit around every contact for
  // the metal enclosure (the pads of neighbouring contacts overlap).
  void amplifier(long x = 0, long y = 0) {
    CvLayout l;
    l.diffPairMirror();
    for (const CvLayout::Rect& r : l.rects) {
      box(r.layer, x + 5 * r.x1, y + 5 * r.y1, x + 5 * r.x2, y + 5 * r.y2);
      if (std::string(r.layer) == "CCA" || std::string(r.layer) == "CCP")
        box("CMF", x + 5 * r.x1 - 1, y + 5 * r.y1 - 1, x + 5 * r.x2 + 1, y + 5 * r.y2 + 1);
    }
  }

  std::string cif() const { return CVcifBoxes(rects, "clean", kGrid) + "E\n"; }
  bool writeCif(const std::string& path) const { return CVwriteFile(path, cif()); }
};
