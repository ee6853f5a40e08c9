#include "common/xbm.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
constexpr long maxFileBytes = 8L << 20;

// Value of "#define <anything><suffix> N" in the text, or -1.
long defineValue(const std::string& text, const char* suffix) {
  size_t pos = 0;
  while ((pos = text.find("#define", pos)) != std::string::npos) {
    size_t p = pos + 7;
    pos = p;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
    size_t nameStart = p;
    while (p < text.size() && (isalnum(static_cast<unsigned char>(text[p])) || text[p] == '_')) ++p;
    std::string name = text.substr(nameStart, p - nameStart);
    size_t sl = strlen(suffix);
    if (name.size() < sl || name.compare(name.size() - sl, sl, suffix) != 0) continue;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
    if (p >= text.size() || !isdigit(static_cast<unsigned char>(text[p]))) return -1;
    long v = 0;
    while (p < text.size() && isdigit(static_cast<unsigned char>(text[p]))) {
      v = v * 10 + (text[p] - '0');
      if (v > 1000000) return -1;
      ++p;
    }
    return v;
  }
  return -1;
}
}  // namespace

bool GCparseBitmap(const char* data, size_t length, GCbitmap* out) {
  std::string text(data, length);
  long width = defineValue(text, "_width");
  long height = defineValue(text, "_height");
  if (width < 1 || height < 1 || width > GC_BITMAP_MAX_SIDE || height > GC_BITMAP_MAX_SIDE) return false;
  size_t open = text.find('{');
  if (open == std::string::npos) return false;
  size_t rowBytes = static_cast<size_t>((width + 7) / 8);
  size_t need = rowBytes * static_cast<size_t>(height);
  std::vector<unsigned char> bits;
  bits.reserve(need);
  size_t p = open + 1;
  while (bits.size() < need) {
    while (p < text.size() && (isspace(static_cast<unsigned char>(text[p])) || text[p] == ',')) ++p;
    if (p >= text.size() || text[p] == '}') return false;
    const char* start = text.c_str() + p;
    char* end;
    unsigned long v = strtoul(start, &end, 0);
    if (end == start || v > 0xff) return false;
    bits.push_back(static_cast<unsigned char>(v));
    p += static_cast<size_t>(end - start);
  }
  out->width = static_cast<int>(width);
  out->height = static_cast<int>(height);
  long xh = defineValue(text, "_x_hot"), yh = defineValue(text, "_y_hot");
  out->xHot = static_cast<int>(xh);
  out->yHot = static_cast<int>(yh);
  out->bits = std::move(bits);
  return true;
}

bool GCreadBitmap(const char* path, GCbitmap* out) {
  FILE* f = fopen(path, "rb");
  if (!f) return false;
  std::string text;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) {
    text.append(chunk, n);
    if (static_cast<long>(text.size()) > maxFileBytes) {
      fclose(f);
      return false;
    }
  }
  fclose(f);
  return GCparseBitmap(text.data(), text.size(), out);
}
