// The default technology, the batch pop-up image and an empty yield state,
// with helpers to fill the sensitivity series and a one-plane frame.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "common/colors.h"
#include "common/message.h"
#include "common/scale.h"
#include "common/switches.h"
#include "cs/cs.h"
#include "interface/tech_init.h"
#include "techc/tech.h"
#include "view/batch_view.h"
#include "yield/density.h"
#include "yield/plot_files.h"
#include "yield/series.h"

class YieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CSreset();
    Silently = 1;
    GCcolorInit();
    ASSERT_TRUE(DIloadTechnology((std::string(CORVID_SOURCE_DIR) + "/lib/default.tech").c_str()));
    DVbatchInit();
    DYinit();
    DYsetPlotFiles(DY_FILES_OFF);
    theMinDefectSize = theGlobalScale;
    theMaxDefectSize = 10 * theGlobalScale;
    theStep = theGlobalScale;
    GCresetMessages();
  }
  void TearDown() override {
    CSreset();
    DVbatchRelease();
  }
  // Makes the layer active with the given defect parameters.
  static _layerDef& activate(const char* name, float X0, float D0, float Y0, float alfa) {
    _layerDef& l = Glayers[DTlayerIndex(name)];
    l.active = 1;
    l.X0 = X0, l.D0 = D0, l.Y0 = Y0, l.alfa = alfa;
    return l;
  }
  // A plane table whose plane 0 frame is the box (layout area for the yield).
  static void frame(long x1, long y1, long x2, long y2) {
    DlayerNum = 1;
    DlayerTile[0].frame = {x1, y1, x2, y2};
  }
  static void sensitivity(std::initializer_list<std::pair<float, float>> points) {
    Fsensitivity = {};
    for (auto [x, s] : points) DYappend(&Fsensitivity, x, s);
  }
};
