// Building the planes of a technology: gates, contacts, preconditions,
// progress lines, freeing.
#include <algorithm>
#include <vector>

#include "build_fixture.h"
#include "plane_fixture.h"

TEST_F(BuildTest, PlanesFollowElementsThenConnectionsInOrder) {
  rect("CAA", 0, 0, 100, 40);
  testing::internal::CaptureStdout();
  DCcrtCS();
  std::string out = testing::internal::GetCapturedStdout();
  std::vector<std::string> names;
  for (int i = 0; i < DlayerNum; ++i) names.push_back(DlayerTile[i].name);
  EXPECT_EQ(names, (std::vector<std::string>{"CAA", "CPG", "CSP", "CWN", "CSN", "CMF", "CCA", "CCP", "CMS", "CVA"}));
  // PMOS and NMOS share active and gate: the PMOS line for each new layer of
  // the first element, the NMOS line once for its select layer.
  EXPECT_EQ(out,
            "\nmaking cs data structure for a PMOS\n\nmaking cs data structure for a PMOS\n"
            "\nmaking cs data structure for a PMOS\n\nmaking cs data structu re for a NMOS\n");
  EXPECT_EQ(DlayerTile[0].layer, L("CAA"));
  EXPECT_EQ(DlayerTile[0].frame.x2, 100);
  for (int i = 0; i < DlayerNum; ++i) {
    EXPECT_NE(DlayerTile[i].crittile, nullptr);
    EXPECT_EQ(DlayerTile[i].bordertile, DlayerTile[i].crittile->rt);
    EXPECT_EQ(DlayerTile[i].bordertile->y1, GC_INFINITY);
  }
  EXPECT_EQ(DlayerTile[0].stilenum, 1);
  EXPECT_EQ(DworkingMode, 9);
  EXPECT_STREQ(GClastMessage(), "Message: Corner Stitching is created.");
  EXPECT_EQ(CheckAll(), 0);
}

// Gates wholly over active are checked point by point on the example layout;
// here a gate only partly over active, and two contacts between one pair of tiles.
TEST_F(BuildTest, PartialGateAndDoubleContact) {
  rect("CAA", 200, 0, 300, 40);
  rect("CPG", 280, 10, 340, 30);
  rect("CAA", 0, 0, 100, 40);
  rect("CMF", 0, 0, 100, 40);
  rect("CCA", 20, 10, 30, 20);
  rect("CCA", 60, 10, 70, 20);
  DCcrtCS();
  const unsigned short gate = static_cast<unsigned short>(CS_ELEMENT | L("CPG"));
  _Dtile* e = at("CAA", 290, 20);
  EXPECT_EQ(e->type, gate);
  EXPECT_EQ(e->x1, 280);
  EXPECT_EQ(TileRight(e), 300);
  EXPECT_EQ(at("CPG", 290, 20)->type, gate);
  EXPECT_EQ(at("CPG", 320, 20)->type, L("CPG"));
  EXPECT_EQ(at("CAA", 320, 20)->type, CS_SPACE);
  _Dtile* a = at("CAA", 25, 15);
  _Dtile* m = at("CMF", 25, 15);
  EXPECT_EQ(listed(a->upper), std::vector<_Dtile*>{m});  // the pair is recorded once
  EXPECT_EQ(listed(m->lower), std::vector<_Dtile*>{a});
  EXPECT_EQ(CScontactWarnings(2), 0);
  EXPECT_EQ(CheckAll(), 0);
}

TEST_F(BuildTest, ContactPositionWarningIsPrintedOnce) {
  rect("CAA", 0, 0, 10, 10);  // active exactly as large as the contacts
  rect("CAA", 50, 0, 60, 10);
  rect("CMF", 0, 0, 100, 10);
  rect("CCA", 0, 0, 10, 10);
  rect("CCA", 50, 0, 60, 10);
  testing::internal::CaptureStdout();
  DCcrtCS();
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(CScontactWarnings(2), 2);
  const std::string line = "CrtContact: WARNING: Possible contact position error (Lower)\n";
  size_t first = out.find(line);
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(out.find(line, first + line.size()), std::string::npos);
  EXPECT_NE(out.find("CrtContact: WARNING, lower tilelist has more than 1 tile\n"), std::string::npos);
  // The links are still made from the active tile that was found.
  _Dtile* a = at("CAA", 55, 5);
  ASSERT_NE(a->upper, nullptr);
  EXPECT_EQ(a->upper->tile, at("CMF", 55, 5));
}

TEST_F(BuildTest, PreconditionsEndTheCommandAndKeepOldPlanes) {
  DCcrtCS();
  EXPECT_STREQ(GClastMessage(), "Warning: No smashed layout available.");
  EXPECT_EQ(DlayerNum, 0);
  rect("CAA", 0, 0, 10, 10);
  DCcrtCS();
  _Dtile* entry = DlayerTile[0].layertile;
  int planes = DlayerNum;
  int elements = DelementNum;
  DelementNum = 0;
  DCcrtCS();
  EXPECT_STREQ(GClastMessage(), "Warning: Technology missing.");
  DelementNum = elements;
  int layers = Delement[0].layerNum;
  Delement[0].layerNum = 1;
  DCcrtCS();
  EXPECT_STREQ(GClastMessage(), "Error: Basic element definition error.");
  Delement[0].layerNum = layers;
  EXPECT_EQ(DlayerTile[0].layertile, entry);
  EXPECT_EQ(DlayerNum, planes);
  EXPECT_EQ(CheckAll(), 0);
}

TEST_F(BuildTest, RebuildWarnsAndFreeReleasesEveryTile) {
  rect("CAA", 0, 0, 100, 40);
  rect("CPG", 40, -20, 60, 60);
  DCcrtCS();
  long tiles = CSliveTiles();
  testing::internal::CaptureStderr();
  Silently = 0;
  DCcrtCS();
  Silently = 1;
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Warning: You must free the old CS first."), std::string::npos);
  EXPECT_NE(err.find("Creating the corner stitching structure ...\n"), std::string::npos);
  EXPECT_NE(err.find("Layer name: CAA\nCreating tiles :         \b\b\b\b\b\b\b\b       1"), std::string::npos);
  EXPECT_EQ(CSliveTiles(), tiles);  // the old planes are gone, not leaked
  GCfreeCS();
  EXPECT_STREQ(GClastMessage(), "Message: The corner stitch layout is freed.");
  EXPECT_EQ(DlayerNum, 0);
  EXPECT_EQ(CSliveTiles(), 0);
  EXPECT_EQ(CSliveCells(), 0);
}

TEST_F(BuildTest, CleanPlaneEmptiesTheCriticalPlane) {
  rect("CAA", 0, 0, 100, 40);
  DCcrtCS();
  // Fill the critical plane the way the fault code does, release its inner
  // tiles, and empty it.
  Stitch = DlayerTile[0].crittile;
  for (int i = 0; i < 5; ++i) {
    _rects r = GCrectOf(i * 20L, 0, i * 20L + 10, 10);
    Put1BoxCS(&r, 1, 0);
  }
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  for (_Dtilelist* c = all; c; c = c->next) FreeTile(c->tile);
  FreeList(all);
  DCcleanPlane(0);
  _Dtile* c = DlayerTile[0].crittile;
  EXPECT_EQ(rectOf(c), (TileRect{-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, CS_SPACE}));
  EXPECT_EQ(Check1Layer(c), 0);
  GCfreeCS();
  EXPECT_EQ(CSliveTiles(), 0);
}

TEST_F(BuildTest, UnknownLayerInTechnologyIsFatal) {
  rect("CAA", 0, 0, 10, 10);
  snprintf(Dconnect[0].conLayer, sizeof Dconnect[0].conLayer, "NOSUCH");
  EXPECT_EXIT(DCcrtCS(), ::testing::ExitedWithCode(1), "Layer NOSUCH not found");
}
