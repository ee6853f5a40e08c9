// The dump "corvid.dmp": the flattened top's rectangles as CIF boxes in
// micrometres (when LAMBDA_T1 is the grid in micrometres).
#include "cifc/dump.h"

#include <cmath>
#include <cstdio>

#include "common/layout.h"
#include "common/message.h"
#include "common/output_file.h"
#include "common/scale.h"
#include "techc/tech.h"

int GCdump() {
  if (!Gflatten) {
    GCmessage(GC_MOD_COMMON, 'W', "No smashed layout to dump");
    return 0;
  }
  GCoutputFile file("corvid.dmp");
  FILE* out = file.stream();
  if (!out) {
    GCmessage(GC_MOD_COMMON, 'E', "Dump file open failed");
    return 0;
  }
  const double lambda = LAMBDA_T1;
  const double scale = static_cast<double>(SCALE);
  fputs("(CIF file dumped by VESK);\n", out);
  for (int i = 0; i < GlayerNum; ++i) {
    int layer = Glayers[i].layer;
    if (layer < 0 || layer >= GC_MAX_SLOTS || !Gflatten->symbol[layer]) continue;
    fprintf(out, "L %s;\n", Glayers[i].name);
    for (const _rects* r = Gflatten->symbol[layer]->rect; r; r = r->next) {
      const double x1 = static_cast<double>(r->x1), x2 = static_cast<double>(r->x2);
      const double y1 = static_cast<double>(r->y1), y2 = static_cast<double>(r->y2);
      long length = static_cast<long>(std::trunc(x2 * lambda / scale - x1 * lambda / scale));
      long width = static_cast<long>(std::trunc(y2 * lambda / scale - y1 * lambda / scale));
      long cx = static_cast<long>(std::trunc((x1 + x2) * lambda / (2 * scale)));
      long cy = static_cast<long>(std::trunc((y1 + y2) * lambda / (2 * scale)));
      fprintf(out, "B %ld %ld %ld %ld;\n", length, width, cx, cy);
    }
  }
  fputs("E\n", out);
  if (!file.finish()) {
    GCmessage(GC_MOD_COMMON, 'E', "Cannot write the file %s", "corvid.dmp");
    return 0;
  }
  GCmessage(GC_MOD_COMMON, 'M', "All boxes are dumped in corvid.dmp");
  return 1;
}
