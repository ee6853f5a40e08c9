#include "view/batch_view.h"

#include <cstring>
#include <memory>
#include <strings.h>

#include "common/message.h"
#include "display/cairo_canvas.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "view/view.h"

namespace {
std::unique_ptr<GCcairoCanvas> mainImage;
std::unique_ptr<GCcairoCanvas> popupImage;

bool endsWith(const char* s, const char* suffix) {
  size_t n = strlen(s), m = strlen(suffix);
  return n >= m && strcasecmp(s + n - m, suffix) == 0;
}
}  // namespace

void DVbatchInit(int width, int height) {
  mainImage = std::make_unique<GCcairoCanvas>(width, height);
  popupImage = std::make_unique<GCcairoCanvas>(DV_BATCH_POPUP_WIDTH, DV_BATCH_POPUP_HEIGHT);
  DIvpInit(&Vmain, mainImage.get(), nullptr);
  DIvpInit(&Vpopup, popupImage.get(), nullptr);
  Vpopup.scale = static_cast<float>(1000 / DV_BATCH_POPUP_HEIGHT);
  Vpopup.ox = Vpopup.oy = 0;
  PopupWindowIsThere = 0;
}

bool DVsetBatchSize(int width, int height) {
  if (width < 16 || height < 16 || width > 8192 || height > 8192) return false;
  auto image = std::make_unique<GCcairoCanvas>(width, height);
  if (!image->ok()) return false;
  mainImage = std::move(image);
  Vmain.canvas = mainImage.get();
  DVredraw(nullptr, nullptr, nullptr);
  return true;
}

bool DVviewFile(const char* path) {
  if (!mainImage) return false;
  if (endsWith(path, ".svg")) {
    GCanvas* image = Vmain.canvas;
    bool ok;
    {
      GCcairoCanvas svg(image->width(), image->height(), path);
      ok = svg.ok();
      if (ok) {
        Vmain.canvas = &svg;
        GGclear(&Vmain);
        DVdrawVisible(&Vmain);
        ok = svg.ok();
      }
      Vmain.canvas = image;
    }
    return ok;
  }
  return mainImage->writePNG(path);
}

void DVbatchRelease() {
  Vmain.canvas = nullptr;
  Vpopup.canvas = nullptr;
  mainImage.reset();
  popupImage.reset();
}
