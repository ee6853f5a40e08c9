// Drawing a generated layout of N rectangles into the 800 x 600 image view:
// the whole layout fitted (most rectangles a few pixels or a point) and a
// zoomed window (few rectangles, most of them culled by the overlap test).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "common/colors.h"
#include "common/layout.h"
#include "common/memory.h"
#include "display/cairo_canvas.h"
#include "display/viewport.h"
#include "interface/tech_init.h"
#include "techc/tech.h"
#include "view/layout_display.h"

namespace {
// Rows of transistor-like stripes: each cell has metal, poly and active
// rectangles, 4 to 20 units wide, on a 40-unit pitch.
_layout* generate(long n) {
  static bool ready = false;
  if (!ready) {
    setenv("SYSRC", CORVID_SOURCE_DIR "/lib/corvidrc", 0);
    GCcolorInit();
    DItechInit();
    ready = true;
  }
  GClayoutReset();
  _layout* cell = GCnewLayout("CIRCUIT");
  Gsymbols = Glayout = cell;
  const char* layers[] = {"CMF", "CPG", "CAA"};
  long side = 1;
  while (side * side * 3 < n) ++side;
  long made = 0;
  for (long i = 0; made < n; ++i) {
    long cx = (i % side) * 40, cy = (i / side) * 40;
    for (int k = 0; k < 3 && made < n; ++k, ++made) {
      int l = DTlayerIndex(layers[k]);
      _symbol* s = GCslot(cell, l, layers[k]);
      auto* r = GCnew<_rects>();
      long w = 4 + (made * 7) % 17;
      *r = GCrectOf(cx + k * 8, cy, cx + k * 8 + w, cy + 30);
      r->next = s->rect;
      s->rect = r;
      ACframe(r->x1, r->y1, cell);
      ACframe(r->x2, r->y2, cell);
    }
  }
  return cell;
}

void BM_DrawFitted(benchmark::State& state) {
  _layout* cell = generate(state.range(0));
  GCcairoCanvas canvas(800, 600);
  DIvpInit(&Vmain, &canvas, nullptr);
  for (auto _ : state) ACdispall(&Vmain, cell, Gsymbols);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  Vmain.canvas = nullptr;
}

void BM_DrawZoomed(benchmark::State& state) {
  _layout* cell = generate(state.range(0));
  GCcairoCanvas canvas(800, 600);
  DIvpInit(&Vmain, &canvas, nullptr);
  GCinstallVpC(&Vmain, 0, 0, 800, 600);  // about 20 x 15 cells
  long x1, y1, x2, y2;
  GCvisibleWindow(&Vmain, &x1, &y1, &x2, &y2);
  for (auto _ : state) ACdispArea(&Vmain, cell, x1, y1, x2, y2, Gsymbols);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  Vmain.canvas = nullptr;
}
}  // namespace

BENCHMARK(BM_DrawFitted)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawZoomed)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
