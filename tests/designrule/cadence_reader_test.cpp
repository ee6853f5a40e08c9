// The Cadence technology file readers: rules, devices, grids, dummy layer,
// conversion, syntax errors, and the shipped bridge and technology files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/scale.h"
#include "designrule/designrule.h"
#include "designrule_test_support.h"

namespace {

// A layer map with the default names and the given Cadence layers.
void MapLayers(std::initializer_list<std::pair<int, const char*>> pairs) {
  SetDefaultLayerNames();
  testing::internal::CaptureStdout();
  DRgetCifLayers(CifToCadence, Glayers);
  testing::internal::GetCapturedStdout();
  for (auto& [i, name] : pairs) snprintf(CifToCadence[i].cadenceLayer, 64, "%s", name);
}

int Second(const std::string& text) { return DRparseCadenceText(text.data(), text.size(), 2); }
int First(const std::string& text) { return DRparseCadenceText(text.data(), text.size(), 1); }

std::string Rules(const std::string& body) {
  return "physicalRules(\n mfgGridResolution( ( 0.1 ) )\n spacingRules(\n" + body + " )\n)\n";
}

TEST(CadenceRules, LargerSpacingIsKeptInBothOrdersAndIsSymmetric) {
  MapLayers({{0, "poly"}, {9, "active"}});
  ASSERT_EQ(Second(Rules("( minSpacing \"poly\" \"active\" 0.3 )\n"
                         "( minSpacing \"active\" \"poly\" 0.2 )\n"
                         "( minSpacing \"poly\" \"poly\" 0.2 )\n"
                         "( minSpacing \"poly\" \"poly\" 0.4 )\n")),
            1);
  EXPECT_EQ(SPACING[0][9], 3);
  EXPECT_EQ(SPACING[9][0], 3);
  EXPECT_TRUE(SPACING_VALID[0][9] && SPACING_VALID[9][0]);
  EXPECT_EQ(SPACING[0][0], 4);
}

TEST(CadenceRules, NegativeEnclosureReplacesAndSmallerPositiveDoesNot) {
  MapLayers({{8, "metal1"}, {5, "cont"}, {3, "metal2"}});
  ASSERT_EQ(Second(Rules("( minEnclosure \"metal1\" \"cont\" 0.2 )\n"
                         "( minEnclosure \"metal1\" \"cont\" -0.1 )\n"
                         "( minEnclosure \"metal2\" \"cont\" 0.3 )\n"
                         "( minEnclosure \"metal2\" \"cont\" 0.1 )\n"
                         "( minExtension \"metal1\" \"metal2\" 0.5 )\n"
                         "( minExtension \"metal1\" \"metal2\" 0.2 )\n")),
            1);
  EXPECT_EQ(EXTENSION[8][5], -1);
  EXPECT_EQ(EXTENSION[3][5], 3);
  EXPECT_EQ(EXTENSION[8][3], 2);  // extension: the last value holds
  EXPECT_TRUE(EXTENSION_VALID[8][5] && EXTENSION_VALID[3][5] && EXTENSION_VALID[8][3]);
  EXPECT_FALSE(EXTENSION_VALID[5][8]);
}

TEST(CadenceRules, ConversionRoundsHalvesAwayFromZero) {
  MapLayers({{0, "poly"}, {8, "metal1"}, {9, "active"}, {5, "cont"}});
  ASSERT_EQ(Second(Rules("( minWidth \"poly\" 0.25 )\n"
                         "( minWidth \"metal1\" 0.24 )\n"
                         "( minWidth \"active\" 0.35 )\n"
                         "( minEnclosure \"metal1\" \"cont\" -0.25 )\n")),
            1);
  EXPECT_EQ(WIDTH[0], 3);
  EXPECT_EQ(WIDTH[8], 2);
  EXPECT_EQ(WIDTH[9], 4);
  EXPECT_EQ(EXTENSION[8][5], -3);
  EXPECT_EQ(DRtoGrid(0.05, 0.1), 1);
  EXPECT_EQ(DRtoGrid(-0.05, 0.1), -1);
  EXPECT_EQ(DRtoGrid(0.149, 0.1), 1);
  EXPECT_EQ(DRtoGrid(1e9, 0.1), 32767);
}

TEST(CadenceRules, RuleOnASharedCadenceLayerIsStoredForBothCifLayers) {
  MapLayers({{5, "contact"}, {6, "contact"}, {0, "poly"}, {8, "metal1"}});
  ASSERT_EQ(Second(Rules("( minSpacing \"poly\" \"contact\" 0.2 )\n"
                         "( minEnclosure \"metal1\" \"contact\" 0.1 )\n"
                         "( minWidth \"contact\" 0.2 )\n")),
            1);
  for (int c : {5, 6}) {
    EXPECT_EQ(SPACING[0][c], 2);
    EXPECT_EQ(SPACING[c][0], 2);
    EXPECT_EQ(EXTENSION[8][c], 1);
  }
  // minWidth goes to the first record only.
  EXPECT_EQ(WIDTH[5], 2);
  EXPECT_EQ(WIDTH_VALID[6], 0);
}

TEST(CadenceRules, SecondFileWithoutBridgeLeavesOnlyTheDummyRules) {
  SetDefaultLayerNames();
  memset(CifToCadence, 0, sizeof CifToCadence);
  testing::internal::CaptureStdout();
  DRgetCifLayers(CifToCadence, Glayers);
  testing::internal::GetCapturedStdout();
  std::string path = std::string(CORVID_SOURCE_DIR) + "/lib/corvid_target.tf";
  FILE* f = fopen(path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(DRparseCadenceDesRule2(f), 1);
  fclose(f);
  const int xyz = 10;
  EXPECT_EQ(WIDTH[xyz], 3);
  for (int i = 0; i < DR_MAX_LAYERS; ++i) {
    EXPECT_EQ(WIDTH_VALID[i], i == xyz) << i;
    for (int j = 0; j < DR_MAX_LAYERS; ++j) {
      bool dummy = (i == xyz && j <= xyz) || (j == xyz && i <= xyz);
      EXPECT_EQ(SPACING_VALID[i][j], dummy) << i << "," << j;
      if (dummy) {
        EXPECT_EQ(SPACING[i][j], 50);
      }
      EXPECT_EQ(EXTENSION_VALID[i][j], 0);
    }
  }
  EXPECT_EQ(TRAN_WIDTH[0], 3);  // devices hold whatever the map says
}

TEST(CadenceRules, DummyRulesGoToLayerZeroWithoutXYZ) {
  MapLayers({});
  snprintf(CifToCadence[10].cif, 64, "ABC");
  ASSERT_EQ(Second("physicalRules( mfgGridResolution( ( 0.05 ) ) )"), 1);
  EXPECT_DOUBLE_EQ(LAMBDA_T2, 0.05);
  EXPECT_EQ(WIDTH[0], 6);
  EXPECT_EQ(SPACING[0][10], 100);
  EXPECT_EQ(SPACING[3][0], 100);
}

TEST(CadenceRules, DevicesSetWidthsEnclosuresAndTransistorSize) {
  MapLayers({{0, "poly"}, {9, "active"}, {2, "nimp"}, {5, "cont"}, {8, "metal1"}});
  std::string text =
      "devices(\n symContactDevice(\n"
      "  ( M1_ACT \"cont\" \"active\" \"metal1\" 0.2 0.2 ( 1 1 _NA_ _NA_ center center ) 0.1 0.3 _NA_ )\n"
      "  ( M1_ACT2 \"cont\" \"active\" \"metal1\" 0.1 0.1 ( 1 1 _NA_ _NA_ center center ) 0.05 0.4 _NA_ )\n"
      " )\n symEnhancementDevice(\n"
      "  ( nmos \"poly\" \"active\" 0.3 0.1 0.2 0.3 \"nimp\" 0.2 )\n"
      "  ( nmos2 \"poly\" \"active\" 0.6 0.05 0.1 0.5 \"nimp\" 0.1 )\n"
      " )\n)\n";
  ASSERT_EQ(Second(text), 1);
  EXPECT_EQ(WIDTH[5], 2);
  EXPECT_EQ(EXTENSION[9][5], 1);
  EXPECT_EQ(EXTENSION[8][5], 4);
  EXPECT_EQ(EXTENSION[0][9], 2);
  EXPECT_EQ(EXTENSION[9][0], 5);
  EXPECT_EQ(EXTENSION[2][0], 2);
  EXPECT_EQ(TRAN_WIDTH[0], 6);
  EXPECT_EQ(TRAN_LENGTH[0], 1);
  EXPECT_TRUE(TRAN_WIDTH_VALID[0] && TRAN_LENGTH_VALID[0]);
}

TEST(CadenceRules, FirstFileSetsOnlyItsGridAndTransistorValues) {
  MapLayers({{0, "poly"}, {9, "active"}});
  LAMBDA_T1 = 0.1;
  LAMBDA_T2 = 0.1;
  ASSERT_EQ(First("physicalRules( mfgGridResolution( ( 2.5e-1 ) )\n"
                  " spacingRules( ( minWidth \"poly\" 0.9 ) ) )\n"
                  "devices( symEnhancementDevice( ( n \"poly\" \"active\" 0.3 0.1 0.2 0.3 \"active\" 0.2 ) ) )\n"),
            1);
  EXPECT_DOUBLE_EQ(LAMBDA_T1, 0.25);
  EXPECT_DOUBLE_EQ(LAMBDA_T2, 0.1);
  EXPECT_EQ(WIDTH[0], 2);  // defaults untouched
  EXPECT_EQ(EXTENSION[0][9], 2);
  EXPECT_DOUBLE_EQ(TEMP_WIDTH[0], 0.0);
  EXPECT_DOUBLE_EQ(TEMP_TRAN_WIDTH[0], 0.3);
}

TEST(CadenceRules, NumbersExpressionsAndIgnoredStatements) {
  MapLayers({{0, "poly"}, {8, "metal1"}, {9, "active"}});
  ASSERT_EQ(Second("; leading comment\n"
                   "techParams( ( lambda 1.0 ) ( name \"x;y\" ) )\n"
                   "physicalRules(\n"
                   " orderedSpacingRules( ( minSpacing \"poly\" \"poly\" 0.9 ) )\n"
                   " spacingRules(\n"
                   "  ( minWidth \"poly\" (times 2 (difference 0.3 0.2)) ) ; nested\n"
                   "  ( minWidth \"metal1\" 3E-1 )\n"
                   "  ( minNotch \"metal1\" 0.9 )\n"
                   "  ( minSpacing \"active\" \"active\" 3 'sameNet )\n"
                   "  ( minSpacing \"active\" \"nothing\" 0.8 )\n"
                   "  ( minWidth \"active\" +.3 )\n"
                   " )\n)\n"),
            1);
  EXPECT_EQ(WIDTH[0], 2);
  EXPECT_EQ(WIDTH[8], 3);
  EXPECT_EQ(WIDTH[9], 3);
  EXPECT_EQ(SPACING_VALID[0][0], 0);
  EXPECT_EQ(SPACING_VALID[9][9], 0);
  EXPECT_EQ(SPACING_VALID[8][8], 0);
}

struct SyntaxCase {
  const char* text;
  int line;
  const char* token;
};

TEST(CadenceRules, SyntaxErrorsAreReportedAndStopTheConversion) {
  const SyntaxCase cases[] = {
      {"physicalRules(\n spacingRules( ( minWidth \"poly\" 0.2 )\n", 3, "end of file"},
      {"physicalRules( ) )", 1, ")"},
      {"nosuchSection( )", 1, "nosuchSection"},
      {"physicalRules(\n\n ( minWidth \"poly\" 1.2.3 ) )", 3, "1.2.3"},
      {"physicalRules( ( minWidth \"poly\" 1e ) )", 1, "1e"},
      {"physicalRules( ( x \"unterminated ) )", 1, "\"unterminated ) )"},
      {"physicalRules( (times 1) )", 1, "times"},
      {"physicalRules( (difference 1 \"a\") )", 1, "difference"},
      {"physicalRules( mfgGridResolution( ( 0 ) ) )", 1, "mfgGridResolution"},
      {"physicalRules( mfgGridResolution( 0.1 ) )", 1, "mfgGridResolution"},
      {"physicalRules( ( 1e999 ) )", 1, "1e999"},
      {"physicalRules \n( )", 2, "("},
      {"physicalRules( \x01 )", 1, "'?'"},
  };
  for (const SyntaxCase& c : cases) {
    MapLayers({{0, "poly"}});
    testing::internal::CaptureStderr();
    EXPECT_EQ(Second(c.text), 0) << c.text;
    std::string err = testing::internal::GetCapturedStderr();
    std::string expected = "error on line " + std::to_string(c.line) + " " + c.token + ": ";
    EXPECT_EQ(err.substr(0, expected.size()), expected) << c.text << " gave " << err;
  }
}

TEST(CadenceRules, SectionsBeforeAnErrorAreKeptButNotConverted) {
  MapLayers({{0, "poly"}});
  std::string text = Rules("( minWidth \"poly\" 0.4 )\n") + "devices( ( oops )";
  testing::internal::CaptureStderr();
  EXPECT_EQ(Second(text), 0);
  testing::internal::GetCapturedStderr();
  EXPECT_DOUBLE_EQ(TEMP_WIDTH[0], 0.4);
  EXPECT_EQ(WIDTH_VALID[0], 1);
  EXPECT_EQ(WIDTH[0], 0);  // cleared, not converted
  EXPECT_EQ(SPACING_VALID[10][0], 0);  // no dummy rules
}

TEST(ShippedFiles, BridgeAndTargetReproduceTheDefaultRules) {
  SetDefaultLayerNames();
  std::string lib = std::string(CORVID_SOURCE_DIR) + "/lib/";
  testing::internal::CaptureStdout();
  DRgetCifLayers(CifToCadence, Glayers);
  EXPECT_TRUE(DRacceptBridgeFile((lib + "corvid.bridge").c_str()));
  EXPECT_TRUE(DRacceptCadenceFile((lib + "corvid_input.tf").c_str(), 1));
  EXPECT_TRUE(DRacceptCadenceFile((lib + "corvid_target.tf").c_str(), 2));
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Tech - cadence bridge file is: "), std::string::npos);
  EXPECT_NE(out.find("WIDTH:\n 2  2  3  3  3  2  2 10  3  3  3 \n\n"), std::string::npos) << out;
  EXPECT_STREQ(CifToCadence[6].cadenceLayer, "contact");
  EXPECT_DOUBLE_EQ(LAMBDA_T1, 0.1);
  EXPECT_DOUBLE_EQ(LAMBDA_T2, 0.1);
  // Every built-in spacing and extension rule is present with its value ...
  const short defWidth[10] = {2, 2, 3, 3, 3, 2, 2, 10, 3, 3};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(WIDTH[i], defWidth[i]) << i;
  struct R { int a, b, v; };
  const R spacing[] = {{0, 0, 2}, {0, 1, 2}, {0, 5, 2}, {0, 6, 2}, {0, 9, 1}, {1, 1, 3}, {1, 5, 2},
                       {1, 6, 2}, {5, 2, 2}, {5, 5, 2}, {5, 6, 2}, {6, 6, 2}, {6, 9, 2}, {7, 7, 7},
                       {7, 9, 5}, {8, 8, 3}, {9, 9, 3}};
  for (const R& r : spacing) {
    EXPECT_EQ(SPACING[r.a][r.b], r.v) << r.a << "," << r.b;
    EXPECT_EQ(SPACING[r.b][r.a], r.v) << r.b << "," << r.a;
  }
  const R extension[] = {{0, 6, 1}, {0, 9, 2}, {3, 1, 1}, {4, 5, 2}, {4, 6, 2}, {7, 9, 3},
                         {8, 1, 1}, {8, 5, 1}, {8, 6, 1}, {9, 0, 3}, {9, 5, 1}};
  for (const R& r : extension) {
    EXPECT_EQ(EXTENSION[r.a][r.b], r.v) << r.a << "," << r.b;
    EXPECT_EQ(EXTENSION_VALID[r.a][r.b], 1);
  }
  EXPECT_EQ(EXTENSION[2][4], -1);  // negative enclosure in the shipped file
  EXPECT_EQ(TRAN_WIDTH[0], 3);
  EXPECT_EQ(TRAN_LENGTH[0], 1);
  EXPECT_EQ(SPACING[10][3], 50);
}

}  // namespace
