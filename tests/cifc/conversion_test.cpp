// Number conversion: box centre/size, DS scaling, rounding and truncation,
// the quarter-grid report.
#include "cif_fixture.h"

using Conversion = CifTest;

TEST_F(Conversion, BoxCentreAndSizeEmptyBoxesAndGlobalScale) {
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 20 0 0;\nB 20 10 100 50;\n"), 0);
  std::vector<_rects> r = rects(cell("CIRCUIT1"), "CMF");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[1], R(-20, -40, 20, 40));
  EXPECT_EQ(r[0], R(400 - 40, 200 - 20, 400 + 40, 200 + 20));
  EXPECT_EQ(frame(cell("CIRCUIT1")), R(-20, -40, 440, 220));
  // A negative size counts by its magnitude; empty boxes are dropped.
  ASSERT_EQ(read("DS 1;\nL CMF;\nB -10 20 0 0;\nB 0 10 0 0;\nB 10 0 5 5;\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF"), std::vector<_rects>{R(-20, -40, 20, 40)});
  SCALE = 80;  // GlobalScale 2
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 20 0 0;\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF")[0], R(-40, -80, 40, 80));
}

TEST_F(Conversion, SymbolScaleMultipliesEveryCoordinate) {
  // 2/1: one CIF unit is 8 internal units; 1/4: one internal unit (rounded).
  ASSERT_EQ(read("DS 1 2 1;\nL CMF;\nB 10 20 5 0;\nDF;\nDS 2 1 4;\nL CMF;\nB 10 10 0 0;\nC 1 T 10 0;\nDF;\n"), 0);
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF")[0], R(40 - 40, -80, 40 + 40, 80));
  // 10 -> 400 * 0.025 = 10, half of 10 is 5.
  EXPECT_EQ(rects(cell("CIRCUIT2"), "CMF")[0], R(-5, -5, 5, 5));
  // Translation: 10 * 40 * 0.025 in single precision, truncated.
  EXPECT_EQ(cell("CIRCUIT2")->instance->opcode[0].x, 10);
}

TEST_F(Conversion, RoundingHalvesAwayFromZero) {
  // With SCALE 5, 5 CIF units are 25 * 0.1 = 2.5 internal units -> 3, and -5 -> -3.
  SCALE = 5;
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 10 5 -5;\n"), 0);
  std::vector<_rects> r = rects(cell("CIRCUIT1"), "CMF");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0], R(3 - 2, -3 - 2, 3 + 2, -3 + 2));
}

TEST_F(Conversion, TranslationsTruncateInSinglePrecision) {
  // 1/3: f = 0.0333..., 7 * 40 * f = 9.33 -> 9, -7 -> -9 (toward zero).
  ASSERT_EQ(read("DS 1 1 3;\nC 2 T 7 -7;\n94 A 7 -7 CMF;\n"), 0);
  _instance* i = cell("CIRCUIT1")->instance;
  EXPECT_EQ(i->opcode[0].x, 9);
  EXPECT_EQ(i->opcode[0].y, -9);
  EXPECT_EQ(Gpin->x, 9);
  EXPECT_EQ(Gpin->y, -9);
  // Large values show single precision: 16777217 * 4 is not representable.
  ASSERT_EQ(read("DS 1;\nC 2 T 4194305 0;\n"), 0);
  EXPECT_EQ(cell("CIRCUIT1")->instance->opcode[0].x, 16777220);
}

TEST_F(Conversion, QuarterGridReport) {
  testing::internal::CaptureStdout();
  // 1 CIF unit = 4 internal units: 4 * 4 = 16 is not a multiple of 40.
  ASSERT_EQ(read("DS 1;\nL CMF;\nB 10 10 0 0;\nB 1 10 0 0;\nB 10 10 1 0;\n"), 0);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out,
            "Box 4 40 0 0 is not in quarter_scale unit (scale = 40)\n"
            "Box 40 40 4 0 is not in quarter_scale unit (scale = 40)\n");
  EXPECT_EQ(AC_initial_halfscale_error, 2);
  // Stored all the same.
  EXPECT_EQ(rects(cell("CIRCUIT1"), "CMF").size(), 3u);
  // The count survives a new file.
  quiet("DS 1;\nL CMF;\nB 1 10 0 0;\n");
  EXPECT_EQ(AC_initial_halfscale_error, 3);
}

TEST_F(Conversion, LayerSlotsAndCurrentLayerAcrossCells) {
  ASSERT_EQ(read("DS 1;\nL CPG;\nL CMF;\nL CPG;\nB 10 10 0 0;\nDF;\nDS 2;\nB 10 10 0 0;\nDF;\n"), 0);
  _layout* one = cell("CIRCUIT1");
  EXPECT_EQ(rects(one, "CPG").size(), 1u);
  EXPECT_EQ(rects(one, "CMF").size(), 0u);
  ASSERT_NE(one->symbol[CTlayer("CMF")], nullptr);  // opened by the layer command
  EXPECT_EQ(one->symbol[CTlayer("CAA")], nullptr);
  // The second cell had no layer command: the last layer selected is used.
  _layout* two = cell("CIRCUIT2");
  EXPECT_EQ(rects(two, "CPG").size(), 1u);
  EXPECT_STREQ(two->symbol[CTlayer("CPG")]->layername, "CPG");
}

TEST_F(Conversion, GeometryBeforeAnyLayerIsIgnoredWithAWarning) {
  ASSERT_EQ(read("DS 1;\nB 10 10 0 0;\nB 10 10 0 0;\nDF;\n"), 0);
  for (_symbol* s : cell("CIRCUIT1")->symbol) EXPECT_EQ(s, nullptr);
  EXPECT_STREQ(GClastMessage(), "Warning: Geometry before any layer command is ignored.");
}
