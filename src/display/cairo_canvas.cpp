#include "display/cairo_canvas.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/colors.h"
#include "techc/layer_gc.h"
#include "techc/tech.h"

namespace {
void setRGB(cairo_t* cr, unsigned rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

unsigned layerRGB(int layer) {
  int index = GCgetNamedColorName(Glayers[layer].color);
  return index < 0 ? 0xFFFFFFu : static_cast<unsigned>(GCcolorRGB(index));
}

// The layer's stipple as a repeating tile: the layer colour where the bitmap
// has a 1, transparent elsewhere. As a fill source it paints only the set
// bits, as an X stipple does, and SVG viewers show it as a pattern.
cairo_pattern_t* stipplePattern(int layer, unsigned rgb) {
  const GCbitmap& bm = DTlayerPattern(layer);
  if (bm.width <= 0 || bm.height <= 0) return nullptr;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bm.width, bm.height);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  uint32_t on = 0xFF000000u | (rgb & 0xFFFFFF);
  for (int y = 0; y < bm.height; ++y)
    for (int x = 0; x < bm.width; ++x) {
      uint32_t v = bm.pixel(x, y) ? on : 0;
      memcpy(data + y * stride + x * 4, &v, 4);
    }
  cairo_surface_mark_dirty(s);
  cairo_pattern_t* p = cairo_pattern_create_for_surface(s);
  cairo_surface_destroy(s);
  cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
  return p;
}
}  // namespace

GCcairoCanvas::GCcairoCanvas(int w, int h) : width_(w), height_(h), isImage_(true) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cr_ = cairo_create(surface_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  clear();
}

namespace {
cairo_status_t writeToStream(void* closure, const unsigned char* data, unsigned int length) {
  FILE* out = static_cast<FILE*>(closure);
  return fwrite(data, 1, length, out) == length ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}
}  // namespace

GCcairoCanvas::GCcairoCanvas(int w, int h, FILE* svg) : width_(w), height_(h), isImage_(false) {
  surface_ = cairo_svg_surface_create_for_stream(writeToStream, svg, w, h);
  cr_ = cairo_create(surface_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  clear();
}

GCcairoCanvas::~GCcairoCanvas() {
  if (stipple_) cairo_pattern_destroy(stipple_);
  if (cr_) cairo_destroy(cr_);
  if (surface_) {
    cairo_surface_finish(surface_);
    cairo_surface_destroy(surface_);
  }
}

bool GCcairoCanvas::ok() const {
  return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS && cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

bool GCcairoCanvas::writePNG(FILE* out) {
  if (!isImage_) return false;
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png_stream(surface_, writeToStream, out) == CAIRO_STATUS_SUCCESS;
}

unsigned GCcairoCanvas::pixelAt(int x, int y) {
  if (!isImage_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  uint32_t v;
  memcpy(&v, data + y * stride + x * 4, 4);
  return v & 0xFFFFFF;
}

void GCcairoCanvas::clear() { clearArea(0, 0, width_, height_); }

void GCcairoCanvas::clearArea(int x, int y, int w, int h) {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  setRGB(cr_, GC_VIEW_BACKGROUND_RGB);
  cairo_rectangle(cr_, x, y, w, h);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void GCcairoCanvas::setColor(unsigned long, unsigned rgb) {
  fg_ = rgb;
  xorFg_ = rgb;
}

void GCcairoCanvas::setLineWidth(int pixels) { lineWidth_ = pixels < 0 ? 0 : pixels; }

bool GCcairoCanvas::setFont(const char* name) {
  // X font names carry the pixel size as their seventh field; anything else keeps the default.
  if (!name || !*name) return false;
  int field = 0;
  for (const char* p = name; *p; ++p)
    if (*p == '-' && ++field == 7) {
      int size = atoi(p + 1);
      if (size > 4 && size < 200) fontSize_ = size;
      break;
    }
  return true;
}

void GCcairoCanvas::setLayer(int layer, bool stippled) {
  layer_ = layer;
  stippled_ = stippled;
}

// The current layer's stipple tile, made again only when the layer, its
// colour or its bitmap changed.
cairo_pattern_t* GCcairoCanvas::layerStipple() {
  unsigned rgb = layerRGB(layer_);
  const void* bits = DTlayerPattern(layer_).bits.data();
  if (!stipple_ || stippleLayer_ != layer_ || stippleRGB_ != rgb || stippleBits_ != bits) {
    if (stipple_) cairo_pattern_destroy(stipple_);
    stipple_ = stipplePattern(layer_, rgb);
    stippleLayer_ = layer_;
    stippleRGB_ = rgb;
    stippleBits_ = bits;
  }
  return stipple_;
}

void GCcairoCanvas::applySource(GCpen pen) {
  setRGB(cr_, pen == GC_PEN_LAYER && layer_ >= 0 ? layerRGB(layer_) : fg_);
}

// Draws one figure: the shape callback lays out the path; fill or stroke it
// with the pen's colour, through the layer's stipple, or in XOR.
template <class Shape>
void GCcairoCanvas::paint(GCpen pen, bool fill, Shape shape) {
  cairo_save(cr_);
  cairo_set_line_width(cr_, lineWidth_ > 0 ? lineWidth_ : 1);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  if (pen == GC_PEN_XOR) {
    if (!isImage_) {
      cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
      setRGB(cr_, xorFg_);
      shape(cr_);
      fill ? cairo_fill(cr_) : cairo_stroke(cr_);
    } else {
      // Exact XOR: rasterise the figure into a mask, then flip the covered pixels.
      cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width_, height_);
      cairo_t* mc = cairo_create(mask);
      cairo_set_antialias(mc, CAIRO_ANTIALIAS_NONE);
      cairo_set_line_width(mc, lineWidth_ > 0 ? lineWidth_ : 1);
      cairo_set_source_rgba(mc, 0, 0, 0, 1);
      shape(mc);
      fill ? cairo_fill(mc) : cairo_stroke(mc);
      cairo_destroy(mc);
      cairo_surface_flush(mask);
      cairo_surface_flush(surface_);
      const unsigned char* m = cairo_image_surface_get_data(mask);
      int ms = cairo_image_surface_get_stride(mask);
      unsigned char* d = cairo_image_surface_get_data(surface_);
      int ds = cairo_image_surface_get_stride(surface_);
      for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
          if (m[y * ms + x] >= 128) {
            uint32_t v;
            memcpy(&v, d + y * ds + x * 4, 4);
            v ^= xorFg_ & 0xFFFFFF;
            memcpy(d + y * ds + x * 4, &v, 4);
          }
      cairo_surface_mark_dirty(surface_);
      cairo_surface_destroy(mask);
    }
    cairo_restore(cr_);
    return;
  }
  cairo_pattern_t* stipple = pen == GC_PEN_LAYER && stippled_ && layer_ >= 0 ? layerStipple() : nullptr;
  if (stipple) {
    cairo_set_source(cr_, stipple);
    shape(cr_);
    fill ? cairo_fill(cr_) : cairo_stroke(cr_);
  } else {
    applySource(pen);
    shape(cr_);
    fill ? cairo_fill(cr_) : cairo_stroke(cr_);
  }
  cairo_restore(cr_);
}

void GCcairoCanvas::drawPoint(GCpen pen, int x, int y) {
  // A fitted large layout is mostly single points: write them straight into
  // the image (honouring the layer's stipple) instead of a Cairo fill each.
  if (isImage_ && pen != GC_PEN_XOR && !clipped_) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    unsigned rgb = fg_;
    if (pen == GC_PEN_LAYER && layer_ >= 0) {
      rgb = layerRGB(layer_);
      const GCbitmap& bm = DTlayerPattern(layer_);
      if (stippled_ && bm.width > 0 && bm.height > 0 && !bm.pixel(x % bm.width, y % bm.height)) return;
    }
    cairo_surface_flush(surface_);
    unsigned char* d = cairo_image_surface_get_data(surface_);
    uint32_t v = 0xFF000000u | (rgb & 0xFFFFFF);
    memcpy(d + y * cairo_image_surface_get_stride(surface_) + x * 4, &v, 4);
    cairo_surface_mark_dirty_rectangle(surface_, x, y, 1, 1);
    return;
  }
  paint(pen, true, [&](cairo_t* c) { cairo_rectangle(c, x, y, 1, 1); });
}

void GCcairoCanvas::drawLine(GCpen pen, int x1, int y1, int x2, int y2) {
  // X draws both end pixels of a thin line.
  if (lineWidth_ <= 1) {
    paint(pen, false, [&](cairo_t* c) {
      cairo_set_line_cap(c, CAIRO_LINE_CAP_SQUARE);
      cairo_move_to(c, x1 + 0.5, y1 + 0.5);
      cairo_line_to(c, x2 + 0.5, y2 + 0.5);
    });
    return;
  }
  paint(pen, false, [&](cairo_t* c) {
    cairo_move_to(c, x1 + 0.5, y1 + 0.5);
    cairo_line_to(c, x2 + 0.5, y2 + 0.5);
  });
}

void GCcairoCanvas::drawRectangle(GCpen pen, int x, int y, int w, int h, bool fill) {
  if (fill) paint(pen, true, [&](cairo_t* c) { cairo_rectangle(c, x, y, w, h); });
  else paint(pen, false, [&](cairo_t* c) { cairo_rectangle(c, x + 0.5, y + 0.5, w, h); });
}

void GCcairoCanvas::drawPolygon(GCpen pen, const GCpixelPoint* points, int n, bool fill) {
  if (n < 2) return;
  double off = fill ? 0 : 0.5;
  paint(pen, fill, [&](cairo_t* c) {
    cairo_move_to(c, points[0].x + off, points[0].y + off);
    for (int i = 1; i < n; ++i) cairo_line_to(c, points[i].x + off, points[i].y + off);
    cairo_close_path(c);
  });
}

void GCcairoCanvas::drawArc(GCpen pen, int x, int y, int w, int h, int angle1, int angle2, bool fill) {
  if (w <= 0 || h <= 0) return;
  // X angles: 64ths of a degree, counter-clockwise; Cairo's y axis points down.
  double a1 = -angle1 / 64.0 * M_PI / 180.0, a2 = -(angle1 + angle2) / 64.0 * M_PI / 180.0;
  paint(pen, fill, [&](cairo_t* c) {
    cairo_save(c);
    cairo_translate(c, x + w / 2.0, y + h / 2.0);
    cairo_scale(c, w / 2.0, h / 2.0);
    cairo_new_path(c);
    if (fill && std::abs(angle2) < 360 * 64) cairo_move_to(c, 0, 0);
    if (angle2 >= 0) cairo_arc_negative(c, 0, 0, 1, a1, a2);
    else cairo_arc(c, 0, 0, 1, a1, a2);
    if (fill) cairo_close_path(c);
    cairo_restore(c);
  });
}

void GCcairoCanvas::drawString(GCpen pen, int x, int y, const char* text) {
  auto font = [&](cairo_t* c) {
    cairo_select_font_face(c, "monospace", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, fontSize_);
  };
  if (pen == GC_PEN_XOR) {
    paint(pen, true, [&](cairo_t* c) {
      font(c);
      cairo_move_to(c, x, y);
      cairo_text_path(c, text);
    });
    return;
  }
  // Glyphs through Cairo's glyph cache: a fitted extraction draws a name per
  // transistor and net, and outlining each string as a path costs far more.
  cairo_save(cr_);
  cairo_pattern_t* stipple = pen == GC_PEN_LAYER && stippled_ && layer_ >= 0 ? layerStipple() : nullptr;
  if (stipple)
    cairo_set_source(cr_, stipple);
  else
    applySource(pen);
  font(cr_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_set_font_options(cr_, options);
  cairo_font_options_destroy(options);
  cairo_move_to(cr_, x, y);
  cairo_show_text(cr_, text);
  cairo_restore(cr_);
}

void GCcairoCanvas::copyArea(GCanvas* to, int sx, int sy, int w, int h, int dx, int dy) {
  auto* target = dynamic_cast<GCcairoCanvas*>(to);
  if (!target) return;
  cairo_surface_flush(surface_);
  cairo_save(target->cr_);
  cairo_set_source_surface(target->cr_, surface_, dx - sx, dy - sy);
  cairo_rectangle(target->cr_, dx, dy, w, h);
  cairo_fill(target->cr_);
  cairo_restore(target->cr_);
}

void GCcairoCanvas::flush() { cairo_surface_flush(surface_); }

void GCcairoCanvas::setClip(int x, int y, int w, int h) {
  clipped_ = true;
  cairo_reset_clip(cr_);
  cairo_rectangle(cr_, x, y, w, h);
  cairo_clip(cr_);
}

void GCcairoCanvas::clearClip() {
  clipped_ = false;
  cairo_reset_clip(cr_);
}

// Leak-checker builds: fontconfig, under the canvas's text drawing, keeps
// caches for the life of the process that it never frees; they are not the
// program's leaks. Defined here, beside the text drawing, so every program
// that draws text links it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
