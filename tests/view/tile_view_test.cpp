// The navigation commands through a picked point, and the corner-stitched
// view drawn on an image.
#include <set>
#include <sstream>
#include <vector>

#include "callback/layer_panel.h"
#include "common/colors.h"
#include "cs/build_fixture.h"
#include "display/cairo_canvas.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "event/event.h"
#include "view/navigate.h"
#include "view/tile_draw.h"
#include "view/view.h"

namespace {
struct Listed {
  std::string command;
  unsigned type;
  long x1, y1, x2, y2;
};

std::vector<Listed> parse(const std::string& out) {
  std::vector<Listed> v;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    Listed l;
    std::istringstream f(line);
    f >> l.command >> l.type >> l.x1 >> l.y1 >> l.x2 >> l.y2;
    if (f) v.push_back(l);
  }
  return v;
}

bool shareEdge(const Listed& a, const _Dtile* t) {
  const long x1 = t->x1, y1 = t->y1, x2 = TileRight(t), y2 = TileTop(t);
  bool vertical = (a.x2 == x1 || a.x1 == x2) && std::min(a.y2, y2) > std::max(a.y1, y1);
  bool horizontal = (a.y2 == y1 || a.y1 == y2) && std::min(a.x2, x2) > std::max(a.x1, x1);
  return vertical || horizontal;
}

class NavigateTest : public BuildTest {
 protected:
  GCcairoCanvas canvas{400, 300};
  void SetUp() override {
    BuildTest::SetUp();
    DEinit();
    DIvpInit(&Vmain, &canvas, nullptr);
    rect("CAA", 0, 0, 1000, 400);
    rect("CPG", 400, -200, 600, 600);
    rect("CMF", 0, 0, 300, 300);
    rect("CMF", 300, 100, 800, 200);
    rect("CCA", 100, 100, 200, 200);
  }
  std::string pick(int (*command)(), long x, long y) {
    command();
    testing::internal::CaptureStdout();
    DEpointWorld(1, x, y);
    return testing::internal::GetCapturedStdout();
  }
};
}  // namespace

TEST_F(NavigateTest, WithoutAPlaneTheCommandsRefuse) {
  for (int (*command)() : {DCtile, DCupper, DClower, DCleft, DCright, DCneighbors}) {
    command();
    EXPECT_STREQ(GClastMessage(), "Error: Corner stitch not available.");
  }
}

TEST_F(NavigateTest, PickedTileAndItsNeighboursInTheCurrentPlane) {
  DCcrtCS();
  DIsetActive(nullptr, const_cast<char*>("CMF"), nullptr);
  ASSERT_EQ(CurrentStitch, NamedLayerTile("CMF"));
  std::vector<Listed> got = parse(pick(DCtile, 500, 150));
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].command, "DCtile:");
  EXPECT_EQ(got[0].type, (unsigned)L("CMF"));
  EXPECT_TRUE(got[0].x1 < 500 && 500 <= got[0].x2 && got[0].y1 <= 150 && 150 < got[0].y2);
  // All four sides against the tiles of the plane that share an edge with it.
  Stitch = NamedLayerTile("CMF");
  _Dtile* t = PointFind(500, 150);
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  std::set<std::vector<long>> want;
  Listed self{"", t->type, t->x1, t->y1, TileRight(t), TileTop(t)};
  for (_Dtilelist* c = all; c; c = c->next)
    if (shareEdge(self, c->tile)) want.insert({c->tile->x1, c->tile->y1, TileRight(c->tile), TileTop(c->tile)});
  FreeList(all);
  got = parse(pick(DCneighbors, 500, 150));
  std::set<std::vector<long>> seen;
  for (const Listed& l : got) {
    EXPECT_EQ(l.command, "DCneighbors:");
    seen.insert({l.x1, l.y1, l.x2, l.y2});
  }
  EXPECT_EQ(got.size(), want.size());
  EXPECT_EQ(seen, want);
  // One side alone: the tiles above, left to right.
  got = parse(pick(DCupper, 500, 150));
  ASSERT_FALSE(got.empty());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].y1, TileTop(t));
    if (i > 0) {
      EXPECT_EQ(got[i].x1, got[i - 1].x2);
    }
  }
}

TEST_F(NavigateTest, CornerStitchedViewDrawsGatesInColourTwo) {
  TileDisplay(&Vmain, 0, 0, 10, 10);
  EXPECT_STREQ(GClastMessage(), "Warning: No corner stitch layout.");
  DCcrtCS();
  for (int i = 0; i < GlayerNum; ++i) Glayers[i].showswitch = 0;
  Glayers[L("CAA")].showswitch = 1;
  Glayers[L("CAA")].fillmode = 1;
  GCinstallVpC(&Vmain, -100, -300, 1200, 1000);
  GGclear(&Vmain);
  unsigned background = canvas.pixelAt(1, 1);
  TileDisplay(&Vmain, -100, -300, 1100, 700);
  long px, py;
  GCwtov(&Vmain, 500, 200, &px, &py);  // middle of the gate
  EXPECT_EQ(canvas.pixelAt((int)px, (int)py), GCcolorRGB(2));
  GCwtov(&Vmain, 1050, 500, &px, &py);  // outside everything
  EXPECT_EQ(canvas.pixelAt((int)px, (int)py), background);
}
