// The explicit-plane forms: a pass that walks an input plane while carving an
// output plane, through two handles, copies the input exactly and leaves the
// global cursor where it was.
#include <random>

#include "plane_fixture.h"

namespace {
struct Copy {
  CSplane* out;
};

bool copySolid(_Dtile* t, void* context) {
  if (!TisSolid(t)) return false;
  CSplane& out = *static_cast<Copy*>(context)->out;
  _Dtile* made = CScarve(out, t->x1, t->y1, TileRight(t), TileTop(t));
  made->type = t->type;
  return false;
}
}  // namespace

TEST_F(PlaneTest, TwoHandlesCopyAPlaneWithoutMovingTheGlobalCursor) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> pos(0, 39), side(1, 9), type(1, 3);
  for (int i = 0; i < 60; ++i) {
    long x1 = pos(rng), y1 = pos(rng);
    put(x1, y1, x1 + side(rng), y1 + side(rng), static_cast<short>(type(rng)));
  }
  DlayerNum = 3;
  DlayerTile[1].layertile = Init1LayerCS();
  DlayerTile[2].layertile = Init1LayerCS();
  CSplane in{DlayerTile[0].layertile}, out{DlayerTile[1].layertile};
  Stitch = DlayerTile[2].layertile;  // a third plane the pass must not disturb
  const _Dtile* global = Stitch;

  Copy copy{&out};
  CSvisit(in, -5, -5, 60, 60, copySolid, &copy);
  EXPECT_EQ(Stitch, global);

  // Point by point, the copy has the input's types (space where it had none).
  for (long x = -2; x <= 52; ++x)
    for (long y = -2; y <= 52; ++y) {
      const _Dtile* a = CSfind(in, x, y);
      const _Dtile* b = CSfind(out, x, y);
      ASSERT_EQ(a->type, b->type) << x << "," << y;
    }
  EXPECT_EQ(Stitch, global);

  // Enumeration through a handle lists what the plain form lists from the same plane.
  _Dtilelist* viaHandle = nullptr;
  CSenumerate(out, 0, 0, 50, 50, &viaHandle, 0);
  EXPECT_EQ(Stitch, global);
  Stitch = out.hint;
  _Dtilelist* plain = nullptr;
  AreaEnum(0, 0, 50, 50, &plain, 0);
  EXPECT_EQ(listed(viaHandle), listed(plain));
  FreeList(viaHandle);
  FreeList(plain);
}
