#include "yield/plot_files.h"

#include <cstdio>
#include <string>

#include "common/message.h"
#include "common/output_file.h"
#include "display/cairo_canvas.h"
#include "display/viewport.h"

namespace {
int format = DY_FILES_OFF;

// Paints with `draw` on `canvas` as if it were the pop-up window, 1000 world
// units to its height.
void drawOn(GCanvas* canvas, void (*draw)()) {
  _Gviewport saved = Vpopup;
  Vpopup.canvas = canvas;
  Vpopup.scale = 1000.0f / static_cast<float>(canvas->height());
  Vpopup.ox = Vpopup.oy = 0;
  draw();
  Vpopup = saved;
}

bool writeImage(FILE* out, void (*draw)()) {
  if (format == DY_FILES_SVG) {
    bool ok;
    {
      GCcairoCanvas svg(DY_FILE_SIZE, DY_FILE_SIZE, out);
      ok = svg.ok();
      if (ok) drawOn(&svg, draw);
      ok = ok && svg.ok();
    }
    return ok;
  }
  GCcairoCanvas image(DY_FILE_SIZE, DY_FILE_SIZE);
  if (!image.ok()) return false;
  drawOn(&image, draw);
  return image.writePNG(out);
}

void writeCsv(FILE* f, const float* xs, const float* ys, int n, const char* xhead, const char* yhead) {
  fprintf(f, "%s,%s\n", xhead, yhead);
  for (int i = 0; i < n; ++i) fprintf(f, "%.9g,%.9g\n", static_cast<double>(xs[i]), static_cast<double>(ys[i]));
}
}  // namespace

void DYsetPlotFiles(int f) { format = f; }
int DYplotFiles() { return format; }

void DYwritePlot(const char* base, void (*draw)(), const float* xs, const float* ys, int n, const char* xhead,
                 const char* yhead) {
  if (format == DY_FILES_OFF) return;
  std::string image = std::string(base) + (format == DY_FILES_SVG ? ".svg" : ".png");
  std::string csv = std::string(base) + ".csv";
  if (!GCwriteOutputFile(image.c_str(), [&](FILE* f) { return writeImage(f, draw); }))
    GCmessage(GC_MOD_YIELD, 'E', "Cannot write the plot %s", image.c_str());
  if (!GCwriteOutputFile(csv.c_str(), [&](FILE* f) {
        writeCsv(f, xs, ys, n, xhead, yhead);
        return true;
      }))
    GCmessage(GC_MOD_YIELD, 'E', "Cannot write the plot data %s", csv.c_str());
}
