// Malformed input: a message and a clean state, never a crash or a hang.
#include "cif_fixture.h"
#include "support/run_program.h"

using Robustness = CifTest;

TEST_F(Robustness, EveryPrefixOfTheExamplesReadsAndFlattens) {
  for (const char* name : {"inverter.cif", "hierarchy.cif", "shapes.cif"}) {
    std::string text = CVreadFile(std::string(CORVID_SOURCE_DIR) + "/examples/" + name);
    ASSERT_FALSE(text.empty()) << name;
    for (size_t n = 0; n <= text.size(); n += 7) {
      testing::internal::CaptureStdout();
      testing::internal::CaptureStderr();
      int status = read(text.substr(0, n));
      if (GfindLayout("CIRCUIT", Gactive)) GCflatten();
      testing::internal::GetCapturedStdout();
      testing::internal::GetCapturedStderr();
      EXPECT_TRUE(status == 0 || status == 1);
    }
    EXPECT_EQ(quiet(text), 0) << name;
  }
}

TEST_F(Robustness, HugeNumbers) {
  EXPECT_EQ(read("DS 1;\nL CMF;\nB 99999999999999999999999 10 0 0;\n"), 1);
  EXPECT_STREQ(GClastMessage(), "Error: CIF error: 99999999999999999999999.");
  // In range as a number but not once converted.
  EXPECT_EQ(read("DS 1;\nL CMF;\nB 2147483647 10 0 0;\n"), 1);
  EXPECT_EQ(read("DS 1 1000000 1;\nL CMF;\nB 100000 10 0 0;\n"), 1);
  EXPECT_EQ(read("DS 1;\nC 2 T 2147483647 0;\n"), 1);
  // Corners must fit too: 268435450 * 4 + 20 < 2^30, 268435455 * 4 + 20 is not.
  EXPECT_EQ(read("DS 1;\nL CMF;\nB 10 10 268435450 0;\n"), 0);
  EXPECT_EQ(read("DS 1;\nL CMF;\nB 10 10 268435455 0;\n"), 1);
  // A wire turning back sharply has its outline's corner far out (a fuzzer's find).
  EXPECT_EQ(read("L CMF;\nW 10000 2500 50\301 360 0 0460000 4600 00 0 7000;\nE\n"), 1);
  // Rotation directions are used as written and may be large.
  EXPECT_EQ(read("DS 1;\nC 2 R 2147483647 -2147483647;\n"), 0);
}

TEST_F(Robustness, LongPolygonsAndWires) {
  std::string poly = "DS 1;\nL CMF;\nP";
  for (int i = 0; i < 2000; ++i) poly += ' ' + std::to_string(i * 10) + ' ' + std::to_string((i % 2) * 10);
  poly += ";\n";
  EXPECT_EQ(read(poly), 1);
  EXPECT_STREQ(GClastMessage(), "Error: CIF error: 5120.");
  // 511 vertices are read; a zig-zag that wide gives rectangles without trouble.
  std::string ok = "DS 1;\nL CMF;\nP 0 -100";
  for (int i = 0; i < 510; ++i) ok += ' ' + std::to_string(i * 10) + ' ' + std::to_string((i % 2) * 10);
  ok += ";\nW 10";
  for (int i = 0; i < 511; ++i) ok += ' ' + std::to_string(i * 100) + ' ' + std::to_string((i % 2) * 100);
  ok += ";\n";
  EXPECT_EQ(quiet(ok), 0);
}

TEST_F(Robustness, SelfIntersectingPolygonsTerminate) {
  EXPECT_EQ(quiet("DS 1;\nL CMF;\nP 0 0 200 0 200 200 100 200 100 -100 300 -100 300 100 0 100;\n"
                      "P 0 0 250 0 250 250 50 250 50 50 200 50 200 200 100 200 100 -125 0 -125;\n"
                      "P 0 0 100 100 0 100 100 0;\nP 0 0 0 0 0 0;\nP 5 5;\nW 10 0 0 100 0 0 0 100 0;\n"),
            0);
}

TEST_F(Robustness, TooManyTransformationSteps) {
  std::string call = "DS 1;\nC 2";
  for (int i = 0; i < 33; ++i) call += " MX";
  call += ";\n";
  testing::internal::CaptureStderr();
  EXPECT_EQ(read(call), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("more than 32 transformation steps"), std::string::npos) << err;
  EXPECT_EQ(ACinst, nullptr);  // the unfinished call is released
  std::string exact = "DS 1;\nC 2";
  for (int i = 0; i < 32; ++i) exact += " T 1 1";
  exact += ";\n";
  EXPECT_EQ(quiet(exact), 0);
  EXPECT_EQ(cell("CIRCUIT1")->instance->optimes, 32);
}

TEST_F(Robustness, LongWordsAndNames) {
  std::string word(150, 'a');
  EXPECT_EQ(read("DS 1;\n94 " + word + " 0 0 CMF;\n"), 1);
  // A 99-character label is fine.
  EXPECT_EQ(read("DS 1;\n94 " + std::string(99, 'a') + " 0 0 CMF;\n"), 0);
  EXPECT_EQ(strlen(Gpin->label), 99u);
  // A layer name longer than any technology name is an unknown layer.
  testing::internal::CaptureStdout();
  EXPECT_EQ(read("DS 1;\nL " + std::string(40, 'C') + ";\n"), 1);
  testing::internal::GetCapturedStdout();
}

TEST_F(Robustness, BinaryGarbage) {
  std::string junk;
  unsigned state = 7;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1103515245u + 12345u;
    junk.push_back(static_cast<char>(state >> 16));
  }
  // Whatever it is, the reader returns (the scanner ignores what it does not know).
  int status = quiet(junk);
  EXPECT_TRUE(status == 0 || status == 1);
}

TEST_F(Robustness, ANewFileStartsFromEmpty) {
  ASSERT_EQ(quiet("DS 1;\nL CMF;\n94 A 0 0 CMF;\nB 10 10 0 0;\nDF;\nC 1;\nE\n"), 0);
  GCflatten();
  ASSERT_NE(Gflatten, nullptr);
  ASSERT_EQ(quiet("DS 2;\nDF;\n"), 0);
  EXPECT_EQ(Gflatten, nullptr);
  EXPECT_EQ(Gpin, nullptr);
  EXPECT_EQ(cell("CIRCUIT1"), nullptr);
  EXPECT_NE(cell("CIRCUIT2"), nullptr);
}
