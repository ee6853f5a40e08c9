// The rule-file commands run through the batch program, as the menus run them.
#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"

TEST(RuleCommands, BridgeThenBothCadenceFilesPrintTheConvertedTables) {
  std::string lib = CVlibDir();
  CVrunResult r = CVrunBatch("f.DRload " + lib + "/corvid.bridge\n" +
                             "f.DRloadCadenceDesRule1 " + lib + "/corvid_input.tf\n" +
                             "f.DRloadCadenceDesRule2 " + lib + "/corvid_target.tf\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(CVhas(r.out, "layer 0 :CPG, 0\nlayer 1 :CVA, 1\n")) << r.out;
  EXPECT_TRUE(CVhas(r.out, "layer 10 :XYZ, 10\n"));
  EXPECT_TRUE(CVhas(r.out, "Tech - cadence bridge file is: " + lib + "/corvid.bridge\n"));
  EXPECT_TRUE(CVhas(r.out, "Tech - Cadence design rule file is: " + lib + "/corvid_target.tf\n"));
  EXPECT_TRUE(CVhas(r.err, "Parsing the bridge file.....")) << r.err;
  // After the target file: widths of the default technology and the dummy layer.
  size_t last = r.out.rfind("WIDTH:\n");
  ASSERT_NE(last, std::string::npos);
  std::string tables = r.out.substr(last);
  const std::string widths = "WIDTH:\n 2  2  3  3  3  2  2 10  3  3  3 \n\nEXTENSION: \n";
  EXPECT_EQ(tables.substr(0, widths.size()), widths) << tables;
  EXPECT_TRUE(CVhas(tables, "\nSPACING: \n 2  2  .  .  .  2  2  .  .  1 50  CPG\n")) << tables;
}

// A Cadence file with a syntax error prints no tables.
TEST(RuleCommands, SimpleRuleFileMissingFilesAndACadenceSyntaxError) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/rules", "W\n(3,5)\n");
  CVwriteFile(dir + "/bad.tf", "physicalRules(\n spacingRules( ( minWidth \"poly\" 0.2 )\n");
  CVrunResult r = CVrunBatch("f.DIldDesRule " + dir + "/rules\nf.DIldDesRule " + dir + "/none\nf.DRload " + dir +
                             "/none\nf.DRloadCadenceDesRule2 " + dir + "/bad.tf\n");
  EXPECT_TRUE(CVhas(r.out, "\nINPUT_DESIGN_RULE_FILE is " + dir + "/rules\n")) << r.out;
  EXPECT_FALSE(CVhas(r.out, "WIDTH:")) << r.out;
  CVexpectHas(r.err, {"Load design rule file OK.", "error on line 3 end of file: unexpected end of file\n"});
  EXPECT_TRUE(CVhas(r.err, "Error: Can't open the file " + dir + "/none.")) << r.err;
  EXPECT_TRUE(CVhas(r.err, "Error: Can't open file: " + dir + "/none\n.")) << r.err;
}
