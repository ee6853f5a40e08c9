// Flattening in place, point transformation, label renaming, the roots and
// their commands, and the dump.
#include <algorithm>
#include <array>
#include <tuple>

#include "cif_fixture.h"
#include "cifc/dump.h"
#include "cs/build.h"
#include "support/run_program.h"

using Flatten = CifTest;

TEST_F(Flatten, PointTransformationStepsInOrder) {
  _opcode steps[3] = {{trans, 100, 0}, {mirror, -1, 1}, {rotate, 0, 1}};
  _opcode diag = {rotate, 1, 1}, zero = {rotate, 0, 0};
  struct {
    const _opcode* steps;
    int n;
    long x, y, wantX, wantY;
  } cases[] = {
      {steps, 2, 10, 20, -110, 20},   // (110, 20) then mirrored in x
      {steps, 3, 10, 20, -20, -110},  // then a quarter turn: (x, y) -> (-y, x)
      {&diag, 1, 100, 0, 70, 70},     // 45 degrees: 70.71 truncated toward zero...
      {&diag, 1, -100, 0, -70, -70},  // ...negative likewise
      {&zero, 1, 5, 6, 5, 6},         // a zero direction leaves the point alone
  };
  for (const auto& c : cases) {
    long x, y;
    PointTrans(c.steps, c.n, c.x, c.y, &x, &y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.wantX, c.wantY)) << c.x << "," << c.y << " in " << c.n << " steps";
  }
}

TEST_F(Flatten, MirroredAndRotatedInstancesMatchAnIndependentModel) {
  // Cell 1 holds one asymmetric box; cell 2 calls it four ways; the top calls cell 2 twice.
  const char* text =
      "DS 1;\nL CMF;\nB 20 10 30 5;\nDF;\n"
      "DS 2;\nC 1;\nC 1 MX;\nC 1 R 0 1 T 100 0;\nC 1 T 10 10 MY R -1 0;\nDF;\n"
      "C 2 T 0 500;\nE\n";
  ASSERT_EQ(read(text), 0);
  ASSERT_EQ(GCflatten(), 1);
  EXPECT_STREQ(GClastMessage(), "Message: The layout is flattened.");
  // The box in internal units: (80, 0)-(160, 40).
  auto apply = [](std::vector<std::array<long, 3>> steps, long x, long y) {
    for (auto [k, a, b] : steps) {
      if (k == 0) x += a, y += b;
      if (k == 1) x *= a, y *= b;
      if (k == 2) {  // quarter turns only here
        long nx = a * x - b * y, ny = b * x + a * y;
        x = nx, y = ny;
      }
    }
    return std::pair<long, long>{x, y};
  };
  std::vector<std::vector<std::array<long, 3>>> calls = {
      {}, {{1, -1, 1}}, {{2, 0, 1}, {0, 400, 0}}, {{0, 40, 40}, {1, 1, -1}, {2, -1, 0}}};
  std::vector<_rects> want;
  for (auto& c : calls) {
    auto s = c;
    s.push_back({0, 0, 2000});
    auto [ax, ay] = apply(s, 80, 0);
    auto [bx, by] = apply(s, 160, 40);
    want.push_back(R(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)));
  }
  std::vector<_rects> got = rects(Gflatten, "CMF");
  std::sort(want.begin(), want.end(), [](auto& a, auto& b) { return std::tie(a.x1, a.y1) < std::tie(b.x1, b.y1); });
  std::sort(got.begin(), got.end(), [](auto& a, auto& b) { return std::tie(a.x1, a.y1) < std::tie(b.x1, b.y1); });
  EXPECT_EQ(got, want);
  // The top is flat, and so is every cell it called.
  EXPECT_EQ(Gflatten->instance, nullptr);
  EXPECT_EQ(cell("CIRCUIT2")->instance, nullptr);
  EXPECT_EQ(Glayout, Gflatten);
  // The frame holds every rectangle.
  for (const _rects& r : got) {
    EXPECT_LE(Gflatten->frame.x1, r.x1);
    EXPECT_GE(Gflatten->frame.x2, r.x2);
  }
}

TEST_F(Flatten, LabelsAreRenamedPerLevel) {
  const char* text =
      "DS 1;\n94 VDD 10 10 CMF;\nDF;\n"
      "DS 2;\nC 1 T 100 0;\nDF;\n"
      "DS 3;\nC 2;\nC 2;\nC 2 T 0 100;\nDF;\n"
      "C 3;\nE\n";
  ASSERT_EQ(read(text), 0);
  GCflatten();
  std::vector<std::string> names;
  std::vector<std::pair<long, long>> at;
  for (_labels* l = Gflatten->symbol[CTlayer("CMF")]->label; l; l = l->next) {
    names.push_back(l->label);
    at.push_back({l->x, l->y});
  }
  std::sort(names.begin(), names.end());
  // Cell 3 numbers its calls 0, 1, 2; the top-level call continues cell 3's count.
  EXPECT_EQ(names, (std::vector<std::string>{"3_0_0_VDD", "3_1_0_VDD", "3_2_0_VDD"}));
  EXPECT_NE(std::find(at.begin(), at.end(), std::pair<long, long>{440, 440}), at.end());
  // Pins keep the name they were read with.
  EXPECT_STREQ(Gpin->label, "VDD");
}

TEST_F(Flatten, TwoLevelLabelName) {
  // The inner cell is instance 0 of a cell that is instance 2 of the top definition.
  const char* text =
      "DS 1;\n94 VDD 0 0 CMF;\nDF;\n"
      "DS 2;\nC 1;\nDF;\n"
      "DS 3;\nC 4;\nC 4;\nC 2;\nDF;\n";
  ASSERT_EQ(read(text), 0);
  _layout* top = cell("CIRCUIT3");
  _layout* list = Gsymbols;
  GCflattenLayout(top, list);
  ASSERT_NE(top->symbol[CTlayer("CMF")], nullptr);
  EXPECT_STREQ(top->symbol[CTlayer("CMF")]->label->label, "2_0_VDD");
  EXPECT_EQ(top->frame.x1, 0);  // a copied label extends the frame
}

TEST_F(Flatten, MissingAndRecursiveCallsAreSkipped) {
  const char* text =
      "DS 1;\nL CMF;\nB 10 10 0 0;\nC 1 T 100 0;\nC 9;\nC 2;\nDF;\n"
      "DS 2;\nL CPG;\nB 10 10 0 0;\nC 1;\nDF;\n"
      "DS 3;\nC 1;\nC 1 T 0 100;\nDF;\nC 3;\nE\n";
  ASSERT_EQ(read(text), 0);
  ASSERT_EQ(GCflatten(), 1);
  EXPECT_STREQ(GClastMessage(), "Message: The layout is flattened.");
  // Cell 1 holds its box and cell 2's poly box (cell 2's call back to 1 skipped).
  EXPECT_EQ(rects(Gflatten, "CMF").size(), 2u);
  EXPECT_EQ(rects(Gflatten, "CPG").size(), 2u);
}

TEST_F(Flatten, DeepChainDoesNotExhaustTheStack) {
  std::string text;
  const int depth = 50000;
  for (int i = 1; i < depth; ++i) text += "DS " + std::to_string(i) + ";\nC " + std::to_string(i + 1) + ";\nDF;\n";
  text += "DS " + std::to_string(depth) + ";\nL CMF;\nB 10 10 0 0;\nDF;\nC 1 T 10 0;\nE\n";
  ASSERT_EQ(quiet(text), 0);
  ASSERT_EQ(GCflatten(), 1);
  EXPECT_EQ(rects(Gflatten, "CMF"), (std::vector<_rects>{R(20, -20, 60, 20)}));
}

TEST_F(Flatten, BoxesCarriedBeyondThirtyTwoBitsAreDropped) {
  // Three calls, each shifted by 10^9 units: the deepest box lies near
  // 3e9, the shallower one near 2e9, still inside.
  std::string text = "DS 3;\nL CMF;\nB 10 10 0 0;\nDF;\n";
  text += "DS 2;\nC 3 T 250000000 0;\nL CMF;\nB 10 10 0 0;\nDF;\n";
  text += "DS 1;\nC 2 T 250000000 0;\nDF;\nC 1 T 250000000 0;\nE\n";
  ASSERT_EQ(quiet(text), 0);
  ASSERT_EQ(GCflatten(), 1);
  EXPECT_EQ(rects(Gflatten, "CMF"), (std::vector<_rects>{R(1999999980, -20, 2000000020, 20)}));
}

TEST_F(Flatten, ExplodingHierarchyIsRefused) {
  // Every level doubles the element count: 2^40 boxes.
  std::string text = "DS 40;\nL CMF;\nB 10 10 0 0;\nDF;\n";
  for (int i = 39; i >= 1; --i)
    text += "DS " + std::to_string(i) + ";\nC " + std::to_string(i + 1) + ";\nC " + std::to_string(i + 1) + " T 10 0;\nDF;\n";
  text += "C 1;\nE\n";
  ASSERT_EQ(quiet(text), 0);
  EXPECT_EQ(GCflatten(), 0);
  EXPECT_EQ(GClastSeverity(), 'E');
  EXPECT_EQ(Gflatten, nullptr);
}

TEST_F(Flatten, MissingTopCellEndsTheProgram) {
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 10 0 0;\nDF;\n"), 0);
  EXPECT_EXIT(GCflatten(), testing::ExitedWithCode(1), "");
}

TEST_F(Flatten, RootsAndTheirCommands) {
  EXPECT_EQ(GCflatten(), 0);
  EXPECT_STREQ(GClastMessage(), "");
  EXPECT_EQ(GCactivateS(), 0);
  EXPECT_STREQ(GClastMessage(), "Message: No falttened layout is available.");
  EXPECT_EQ(GCactivateH(), 0);
  EXPECT_STREQ(GClastMessage(), "Message: No hierarchy layout is available.");
  EXPECT_EQ(GCunflatten(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No layout to unflatten.");
  EXPECT_EQ(GCactivateCS(), 0);
  EXPECT_STREQ(GClastMessage(), "Message: No corner stitch layout is available.");
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 10 0 0;\nDF;\nC 1;\nE\n"), 0);
  _layout* top = Glayout;
  EXPECT_STREQ(top->name, "CIRCUIT");
  GCresetMessages();
  EXPECT_EQ(GCsmash(), 1);
  EXPECT_STREQ(GClastMessage(), "");  // smash changes nothing and says nothing
  GCflatten();
  _layout* first = Gflatten;
  GCflatten();
  EXPECT_EQ(Gflatten, first);
  EXPECT_EQ(rects(Gflatten, "CMF").size(), 1u);  // flattening twice copies nothing twice
  EXPECT_EQ(GCactivateH(), 1);
  EXPECT_EQ(Glayout, top);
  EXPECT_EQ(DworkingMode, 0);
  EXPECT_EQ(GCunflatten(), 1);
  EXPECT_STREQ(GClastMessage(), "Message: The layout is recovered.");
  EXPECT_EQ(GCfreeS(), 1);
  EXPECT_STREQ(GClastMessage(), "Message: The samshed layout is freed.");
  EXPECT_EQ(Gflatten, nullptr);
  EXPECT_EQ(Glayout, nullptr);
  EXPECT_EQ(GfindLayout("CIRCUIT", Gsymbols), nullptr);
  EXPECT_NE(GfindLayout("CIRCUIT1", Gsymbols), nullptr);
  EXPECT_EQ(GfindLayout("CIRCUIT01", Gsymbols), nullptr) << "names compare exactly";
  EXPECT_EQ(GCfreeS(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No smashed layout to free.");
  EXPECT_EQ(GCfreeH(), 1);
  EXPECT_STREQ(GClastMessage(), "Message: The hierarchy is freed.");
  EXPECT_EQ(GCfreeH(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No hierarchy to free.");
  EXPECT_EQ(Gsymbols, nullptr);
}

TEST_F(Flatten, DumpNumbers) {
  GCresetMessages();
  EXPECT_EQ(GCdump(), 0);  // nothing flattened yet: no file
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 100 100 50 50;\nB 300 500 -150 250;\nL CPG;\nB 1000 1000 0 0;\nDF;\nC 1;\nE\n"), 0);
  GCflatten();
  remove("corvid.dmp");
  ASSERT_EQ(GCdump(), 1);
  EXPECT_STREQ(GClastMessage(), "Message: All boxes are dumped in corvid.dmp.");
  // (0,0)-(400,400) gives length 1, width 1, centre 0.5 -> 0; (-1200,0)-(0,2000) centre
  // (-1.5, 2.5) -> (-1, 2). Layers follow the technology order (CAA CPG CMF ...), boxes
  // the list order.
  EXPECT_EQ(CVreadFile("corvid.dmp"),
            "(CIF file dumped by VESK);\nL CPG;\nB 10 10 0 0;\nL CMF;\nB 1 1 0 0;\nB 3 5 -1 2;\nE\n");
}
