// A main view on a Cairo image with the bundled technology loaded, and a
// hand-built layout, for the display and view-command tests.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "cifc/flatten.h"
#include "common/colors.h"
#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "display/cairo_canvas.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "interface/switch_commands.h"
#include "interface/tech_init.h"
#include "techc/tech.h"
#include "view/view.h"

// Every message line shown since the fixture started.
inline std::vector<std::string>& shownMessages() {
  static std::vector<std::string> lines;
  return lines;
}

struct ViewFixture {
  std::unique_ptr<GCcairoCanvas> canvas;

  explicit ViewFixture(int w = 450, int h = 350) {
    GCcolorInit();
    DItechInit();
    DVreset();
    GGresetDisplay();
    shownMessages().clear();
    GCsetDisplayHook([](int, char, const char* text) { shownMessages().push_back(text); });
    canvas = std::make_unique<GCcairoCanvas>(w, h);
    DIvpInit(&Vmain, canvas.get(), nullptr);
  }
  ~ViewFixture() {
    Vmain.canvas = nullptr;
    GCsetDisplayHook(nullptr);
  }
  static bool shown(const std::string& line) {
    for (const std::string& s : shownMessages())
      if (s == line) return true;
    return false;
  }

  unsigned at(int x, int y) { return canvas->pixelAt(x, y); }
  // The pixel showing world point (x, y) of the main view.
  unsigned atWorld(long x, long y) {
    long vx, vy;
    GCwtov(&Vmain, x, y, &vx, &vy);
    return at(static_cast<int>(vx), static_cast<int>(vy));
  }
  static unsigned layerRGB(const char* layer) {
    return static_cast<unsigned>(GCcolorRGB(GCgetNamedColorName(Glayers[DTlayerIndex(layer)].color)));
  }
};

// A top cell "CIRCUIT" with rectangles added on named layers.
struct TestLayout {
  _layout* cell;
  TestLayout() {
    cell = GCnewLayout("CIRCUIT");
    cell->next = Gsymbols;
    Gsymbols = cell;
    Glayout = cell;
  }
  void rect(const char* layer, long x1, long y1, long x2, long y2) {
    GCslot(cell, DTlayerIndex(layer), layer);
    GCsave1rect(cell, DTlayerIndex(layer), x1, y1, x2, y2);
  }
  void label(const char* layer, const char* text, long x, long y) {
    GCslot(cell, DTlayerIndex(layer), layer);
    GCsave1label(cell, DTlayerIndex(layer), text, x, y);
  }
};
