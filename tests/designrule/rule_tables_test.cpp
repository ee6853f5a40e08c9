// The simple rule file, the bridge file and the table print.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "designrule/designrule.h"
#include "designrule_test_support.h"
#include "support/run_program.h"

namespace {

TEST(CheckDesRule, PrintsTheTablesUpToTheLastLayerWithAWidth) {
  SetDefaultLayerNames();
  DRclearAllRules();
  WIDTH[0] = 2;
  WIDTH_VALID[0] = 1;
  WIDTH[2] = 12;  // width without a rule: counts for the size, printed as "."
  SPACING[1][0] = 3;
  SPACING_VALID[1][0] = 1;
  EXTENSION[0][2] = -1;
  EXTENSION_VALID[0][2] = 1;
  testing::internal::CaptureStdout();
  DRcheckDesRule();
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out,
            "WIDTH:\n 2  .  . \n\n"
            "EXTENSION: \n .  . -1  CPG\n .  .  .  CVA\n .  .  .  CSN\n"
            "\nSPACING: \n .  .  .  CPG\n 3  .  .  CVA\n .  .  .  CSN\n\n");
}

TEST(SimpleRuleFile, SectionsSetTheNamedEntriesAndLeaveFlags) {
  std::string path = CVscratchDir() + "/rules.txt";
  CVwriteFile(path,
              "# a comment line is a word of no section\n"
              "WIDTH\n"
              "(3,5)\n"
              "  (12,4) trailing words are not read\n"
              "(40,4)\n"          // no such layer: skipped
              "(4294967299,9)\n"  // numbers beyond 32 bits are no layer 3 nor a width 9
              "(3,4294967305)\n"
              "junk\n"            // not of the form: skipped
              "EXTENSION\n"
              "(1,2,4)\n"
              "(1,2)\n"           // too short for this section
              "SPACING\n"
              "[8;8;6]\n"         // any separators
              "(0,1,-2)\n");
  FILE* f = fopen(path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(ReadDesignRules(f), 1);
  EXPECT_EQ(WIDTH[3], 5);
  EXPECT_EQ(WIDTH[12], 4);
  EXPECT_EQ(WIDTH_VALID[12], 0);  // flags are left as they are
  EXPECT_EQ(EXTENSION[1][2], 4);
  EXPECT_EQ(EXTENSION_VALID[1][2], 0);
  EXPECT_EQ(SPACING[8][8], 6);
  EXPECT_EQ(SPACING_VALID[8][8], 1);
  EXPECT_EQ(SPACING[0][1], -2);
  EXPECT_EQ(WIDTH[1], 2);  // untouched defaults
  EXPECT_EQ(EXTENSION[0][9], 2);
}

TEST(SimpleRuleFile, AcceptanceReportsAMissingFileAndLeavesTables) {
  EXPECT_FALSE(DRacceptDesignRuleFile("/nonexistent/rules.txt"));
  EXPECT_STREQ(GClastMessage(), "Error: Can't open the file /nonexistent/rules.txt.");
  EXPECT_EQ(WIDTH[3], 3);
  std::string path = CVscratchDir() + "/rules2.txt";
  CVwriteFile(path, "W\n(3,7)\n");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(DRacceptDesignRuleFile(path.c_str()));
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, "\nINPUT_DESIGN_RULE_FILE is " + path + "\n");
  EXPECT_STREQ(GClastMessage(), "Load design rule file OK.");
  EXPECT_EQ(WIDTH[3], 7);
}

TEST(BridgeFile, MapsNamedCifLayersAndSkipsTheRest) {
  SetDefaultLayerNames();
  testing::internal::CaptureStdout();
  DRgetCifLayers(CifToCadence, Glayers);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("layer 31 :, 0\n"), std::string::npos);
  std::string path = CVscratchDir() + "/bridge";
  CVwriteFile(path, "# CPG nothing\nCPG poly drawing\n\n   \nCMF metal1\nNOPE x y\n"
                    "CAA active drawing extra words\n");
  FILE* f = fopen(path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  DRparseBridge(f);
  fclose(f);
  EXPECT_STREQ(CifToCadence[0].cadenceLayer, "poly");
  EXPECT_STREQ(CifToCadence[0].purpose, "drawing");
  EXPECT_STREQ(CifToCadence[8].cadenceLayer, "metal1");
  EXPECT_STREQ(CifToCadence[8].purpose, "");
  EXPECT_STREQ(CifToCadence[9].cadenceLayer, "active");
  EXPECT_STREQ(CifToCadence[1].cadenceLayer, "");
  for (int i = 0; i < DR_MAX_LAYERS; ++i) EXPECT_STRNE(CifToCadence[i].cadenceLayer, "x");
}

}  // namespace
