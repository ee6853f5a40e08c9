// The Cadence technology file readers: rules, devices, grids, dummy layer,
// conversion, syntax errors, and the shipped bridge and technology files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/scale.h"
#include "designrule/designrule.h"
#include "designrule_test_support.h"

namespace {

// A layer map with the default names and the given Cadence layers.
void MapLayers(const std::vector<std::pair<int, const char*>>& pairs) {
  SetDefaultLayerNames();
  DRreset();  // no Cadence name left from an earlier case
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

// A table entry after conversion: 'W' WIDTH[i], 'S' SPACING[i][j],
// 'E' EXTENSION[i][j], 'T'/'L' transistor width/length; lower case for the valid flag.
struct Entry {
  char table;
  int i, j, value;
};

int entryOf(const Entry& e) {
  switch (e.table) {
    case 'W': return WIDTH[e.i];
    case 'w': return WIDTH_VALID[e.i];
    case 'S': return SPACING[e.i][e.j];
    case 's': return SPACING_VALID[e.i][e.j];
    case 'E': return EXTENSION[e.i][e.j];
    case 'T': return TRAN_WIDTH[e.i];
    case 'L': return TRAN_LENGTH[e.i];
    case 't': return TRAN_WIDTH_VALID[e.i];
    case 'l': return TRAN_LENGTH_VALID[e.i];
    default: return EXTENSION_VALID[e.i][e.j];
  }
}

struct RuleCase {
  const char* what;
  std::vector<std::pair<int, const char*>> map;
  std::string text;
  std::vector<Entry> expected;
};

TEST(CadenceRules, RulesAndDevicesConvertToTheTables) {
  const RuleCase cases[] = {
      {"larger spacing kept in both orders, symmetric",
       {{0, "poly"}, {9, "active"}},
       Rules("( minSpacing \"poly\" \"active\" 0.3 )\n( minSpacing \"active\" \"poly\" 0.2 )\n"
             "( minSpacing \"poly\" \"poly\" 0.2 )\n( minSpacing \"poly\" \"poly\" 0.4 )\n"),
       {{'S', 0, 9, 3}, {'S', 9, 0, 3}, {'s', 0, 9, 1}, {'s', 9, 0, 1}, {'S', 0, 0, 4}}},
      {"negative enclosure replaces, smaller positive does not, extension: last holds",
       {{8, "metal1"}, {5, "cont"}, {3, "metal2"}},
       Rules("( minEnclosure \"metal1\" \"cont\" 0.2 )\n( minEnclosure \"metal1\" \"cont\" -0.1 )\n"
             "( minEnclosure \"metal2\" \"cont\" 0.3 )\n( minEnclosure \"metal2\" \"cont\" 0.1 )\n"
             "( minExtension \"metal1\" \"metal2\" 0.5 )\n( minExtension \"metal1\" \"metal2\" 0.2 )\n"),
       {{'E', 8, 5, -1}, {'E', 3, 5, 3}, {'E', 8, 3, 2}, {'e', 8, 5, 1}, {'e', 8, 3, 1}, {'e', 5, 8, 0}}},
      {"halves round away from zero",
       {{0, "poly"}, {8, "metal1"}, {9, "active"}, {5, "cont"}},
       Rules("( minWidth \"poly\" 0.25 )\n( minWidth \"metal1\" 0.24 )\n( minWidth \"active\" 0.35 )\n"
             "( minEnclosure \"metal1\" \"cont\" -0.25 )\n"),
       {{'W', 0, 0, 3}, {'W', 8, 0, 2}, {'W', 9, 0, 4}, {'E', 8, 5, -3}}},
      {"shared Cadence layer: both CIF layers, minWidth to the first only",
       {{5, "contact"}, {6, "contact"}, {0, "poly"}, {8, "metal1"}},
       Rules("( minSpacing \"poly\" \"contact\" 0.2 )\n( minEnclosure \"metal1\" \"contact\" 0.1 )\n"
             "( minWidth \"contact\" 0.2 )\n"),
       {{'S', 0, 5, 2}, {'S', 5, 0, 2}, {'S', 0, 6, 2}, {'S', 6, 0, 2}, {'E', 8, 5, 1}, {'E', 8, 6, 1},
        {'W', 5, 0, 2}, {'w', 6, 0, 0}}},
      {"devices: contact and transistor rules, larger kept",
       {{0, "poly"}, {9, "active"}, {2, "nimp"}, {5, "cont"}, {8, "metal1"}},
       "devices(\n symContactDevice(\n"
       "  ( M1_ACT \"cont\" \"active\" \"metal1\" 0.2 0.2 ( 1 1 _NA_ _NA_ center center ) 0.1 0.3 _NA_ )\n"
       "  ( M1_ACT2 \"cont\" \"active\" \"metal1\" 0.1 0.1 ( 1 1 _NA_ _NA_ center center ) 0.05 0.4 _NA_ )\n"
       " )\n symEnhancementDevice(\n"
       "  ( nmos \"poly\" \"active\" 0.3 0.1 0.2 0.3 \"nimp\" 0.2 )\n"
       "  ( nmos2 \"poly\" \"active\" 0.6 0.05 0.1 0.5 \"nimp\" 0.1 )\n"
       " )\n)\n",
       {{'W', 5, 0, 2}, {'E', 9, 5, 1}, {'E', 8, 5, 4}, {'E', 0, 9, 2}, {'E', 9, 0, 5}, {'E', 2, 0, 2},
        {'T', 0, 0, 6}, {'L', 0, 0, 1}, {'t', 0, 0, 1}, {'l', 0, 0, 1}}},
      {"comments, expressions, exponents, ignored statements and unknown layers",
       {{0, "poly"}, {8, "metal1"}, {9, "active"}},
       "; leading comment\ntechParams( ( lambda 1.0 ) ( name \"x;y\" ) )\nphysicalRules(\n"
       " orderedSpacingRules( ( minSpacing \"poly\" \"poly\" 0.9 ) )\n spacingRules(\n"
       "  ( minWidth \"poly\" (times 2 (difference 0.3 0.2)) ) ; nested\n  ( minWidth \"metal1\" 3E-1 )\n"
       "  ( minNotch \"metal1\" 0.9 )\n  ( minSpacing \"active\" \"active\" 3 'sameNet )\n"
       "  ( minSpacing \"active\" \"nothing\" 0.8 )\n  ( minWidth \"active\" +.3 )\n )\n)\n",
       {{'W', 0, 0, 2}, {'W', 8, 0, 3}, {'W', 9, 0, 3}, {'s', 0, 0, 0}, {'s', 9, 9, 0}, {'s', 8, 8, 0}}},
  };
  for (const RuleCase& c : cases) {
    MapLayers(c.map);
    ASSERT_EQ(Second(c.text), 1) << c.what;
    for (const Entry& e : c.expected)
      EXPECT_EQ(entryOf(e), e.value) << c.what << ": " << e.table << "[" << e.i << "][" << e.j << "]";
  }
  EXPECT_EQ(DRtoGrid(0.05, 0.1), 1);
  EXPECT_EQ(DRtoGrid(-0.05, 0.1), -1);
  EXPECT_EQ(DRtoGrid(0.149, 0.1), 1);
  EXPECT_EQ(DRtoGrid(1e9, 0.1), 32767);
}

TEST(CadenceRules, SecondFileWithoutBridgeLeavesOnlyTheDummyRules) {
  SetDefaultLayerNames();
  DRreset();
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

TEST(ShippedFiles, BridgeAndTargetReproduceTheBuiltInRules) {
  // The tables still hold the built-in rules: keep them to compare.
  short width[10], spacing[10][10], extension[10][10];
  bool spacingValid[10][10], extensionValid[10][10];
  for (int i = 0; i < 10; ++i) {
    width[i] = WIDTH[i];
    for (int j = 0; j < 10; ++j) {
      spacing[i][j] = SPACING[i][j];
      spacingValid[i][j] = SPACING_VALID[i][j];
      extension[i][j] = EXTENSION[i][j];
      extensionValid[i][j] = EXTENSION_VALID[i][j];
    }
  }
  SetDefaultLayerNames();
  std::string lib = std::string(CORVID_SOURCE_DIR) + "/lib/";
  testing::internal::CaptureStdout();
  DRgetCifLayers(CifToCadence, Glayers);
  EXPECT_TRUE(DRacceptBridgeFile((lib + "corvid.bridge").c_str()));
  EXPECT_TRUE(DRacceptCadenceFile((lib + "corvid_input.tf").c_str(), 1));
  EXPECT_TRUE(DRacceptCadenceFile((lib + "corvid_target.tf").c_str(), 2));
  testing::internal::GetCapturedStdout();
  EXPECT_STREQ(CifToCadence[6].cadenceLayer, "contact");
  EXPECT_DOUBLE_EQ(LAMBDA_T1, 0.1);
  EXPECT_DOUBLE_EQ(LAMBDA_T2, 0.1);
  // Every built-in rule is present with its value, spacings in both orders.
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(WIDTH[i], width[i]) << i;
    for (int j = 0; j < 10; ++j) {
      if (spacingValid[i][j]) {
        EXPECT_EQ(SPACING[i][j], spacing[i][j]) << i << "," << j;
        EXPECT_EQ(SPACING[j][i], spacing[i][j]) << j << "," << i;
      }
      if (extensionValid[i][j]) {
        EXPECT_EQ(EXTENSION[i][j], extension[i][j]) << i << "," << j;
        EXPECT_EQ(EXTENSION_VALID[i][j], 1);
      }
    }
  }
  EXPECT_EQ(EXTENSION[2][4], -1);  // negative enclosure in the shipped file
  EXPECT_EQ(TRAN_WIDTH[0], 3);
  EXPECT_EQ(TRAN_LENGTH[0], 1);
  EXPECT_EQ(SPACING[10][3], 50);
}

}  // namespace
