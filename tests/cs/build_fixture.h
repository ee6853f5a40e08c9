// A technology (the shipped default) and a flattened layout built in memory,
// for the plane-building tests.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/colors.h"
#include "common/layout.h"
#include "common/message.h"
#include "common/switches.h"
#include "cs/build.h"
#include "flow/layout_load.h"
#include "interface/tech_init.h"
#include "techc/tech.h"

class BuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CSreset();
    GClayoutReset();
    Silently = 1;
    GCcolorInit();
    ASSERT_TRUE(DIloadTechnology((std::string(CORVID_SOURCE_DIR) + "/lib/default.tech").c_str()));
  }
  void TearDown() override {
    CSreset();
    GClayoutReset();
  }
  static int L(const char* name) { return DTlayerIndex(name); }
  void flat() {
    if (!Gflatten) {
      Gflatten = Glayout = Gactive = GCnewLayout("CIRCUIT");
      Gsymbols = Gflatten;
    }
  }
  void rect(const char* layer, long x1, long y1, long x2, long y2) {
    flat();
    GCsave1rect(Gflatten, L(layer), x1, y1, x2, y2);
  }
  static int planeOf(const char* name) {
    for (int i = 0; i < DlayerNum; ++i)
      if (std::string(DlayerTile[i].name) == name) return i;
    return -1;
  }
  static _Dtile* at(const char* plane, long x, long y) {
    Stitch = NamedLayerTile(plane);
    return PointFind(x, y);
  }
};
