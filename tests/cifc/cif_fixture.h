// Shared set-up for the CIF tests: the default technology layer names filled in
// directly, and helpers to read CIF text and inspect the flattened result.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/layout.h"
#include "common/message.h"
#include "common/scale.h"
#include "support/cif_layers.h"
#include "techc/tech.h"

inline int CTlayer(const char* name) { return DTlayerIndex(name); }

class CifTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GCresetScale();
    CVloadCifLayers();
    ACreset();
    GCresetMessages();
  }
  void TearDown() override { ACreset(); }

 public:
  // Reads `text` from scratch; returns CIFparse's status.
  int read(const std::string& text) {
    ACinit();
    return ACparseBuffer(text.data(), text.size());
  }
  // Same through a real file and CIFparse.
  int readFile(const std::string& text) {
    FILE* f = tmpfile();
    fwrite(text.data(), 1, text.size(), f);
    rewind(f);
    ACinit();
    cifin = f;
    return CIFparse();
  }
  // read() with standard output and error captured and dropped.
  int quiet(const std::string& text) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int status = read(text);
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    return status;
  }
  static _layout* cell(const char* name) { return GfindLayout(name, Gsymbols); }
  // A cell's frame as a rectangle, for comparisons.
  static _rects frame(const _layout* l) { return GCrectOf(l->frame.x1, l->frame.y1, l->frame.x2, l->frame.y2); }
  static std::vector<_rects> rects(const _layout* l, const char* layer) {
    std::vector<_rects> out;
    int n = CTlayer(layer);
    if (!l || n < 0 || !l->symbol[n]) return out;
    for (const _rects* r = l->symbol[n]->rect; r; r = r->next) out.push_back(*r);
    return out;
  }
};

inline bool operator==(const _rects& a, const _rects& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}
inline std::ostream& operator<<(std::ostream& o, const _rects& r) {
  return o << "(" << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2 << ")";
}
inline _rects R(long x1, long y1, long x2, long y2) { return GCrectOf(x1, y1, x2, y2); }
