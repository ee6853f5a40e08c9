// The technology reader through its public entry points (DTrdInit + TECHparse).
#include <gtest/gtest.h>

#include <string>

#include "common/colors.h"
#include "support/run_program.h"
#include "support/tech_fixture.h"
#include "techc/layer_gc.h"
#include "techc/tech.h"
#include "techc/tech_reader.h"

namespace {
class TechReader : public testing::Test {
 protected:
  void SetUp() override { CVresetTechnology(); }
  int parse(const std::string& text) { return CVparseTechCaptured(text, &out, &err); }
  std::string out, err;
};

std::string layerLines(int count) {
  std::string s = "layers:\n";
  for (int i = 0; i < count; ++i) s.append(1, 'L').append(std::to_string(i)).append(" red hatch;\n");
  return s;
}
}  // namespace

TEST_F(TechReader, BundledDefaultTechnology) {
  ASSERT_EQ(parse(CVreadFile(CVlibDir() + "/default.tech")), 0) << err;
  const char* order[] = {"CPG", "CVA", "CSN", "CMS", "CSP", "CCA", "CCP", "CWN", "CMF", "CAA", "XYZ"};
  ASSERT_EQ(GlayerNum, 11);
  for (int i = 0; i < GlayerNum; ++i) {
    EXPECT_STREQ(Glayers[i].name, order[i]);
    EXPECT_EQ(Glayers[i].layer, i);
    EXPECT_EQ(Glayers[i].priority, i);
    EXPECT_EQ(Glayers[i].fillmode, 1);
    EXPECT_EQ(Glayers[i].showswitch, 1);
    EXPECT_EQ(Glayers[i].mask, i < 5 ? 7 : i < 7 ? 8 : 16) << i;
    EXPECT_GT(DTlayerPattern(i).width, 0) << "pattern read for " << order[i];
    EXPECT_GE(GCgetNamedColorName(Glayers[i].color), 0);
  }
  ASSERT_EQ(DelementNum, 2);
  EXPECT_STREQ(Delement[0].name, "PMOS");  // element 0 is the P-channel transistor
  EXPECT_STREQ(Delement[0].layers[0], "CAA");
  EXPECT_STREQ(Delement[0].layers[1], "CPG");
  EXPECT_EQ(Delement[1].portLayerNum, 2);
  ASSERT_EQ(DconNum, 3);
  EXPECT_STREQ(Dconnect[0].lowerLayer, "CAA");
  EXPECT_STREQ(Dconnect[0].conLayer, "CCA");
  EXPECT_STREQ(Dconnect[0].upperLayer, "CMF");
  EXPECT_EQ(LXindDefNum, 1);
  EXPECT_EQ(CXcapDefNum, 2);
  EXPECT_EQ(RXresDefNum, 1);
  EXPECT_EQ(out, "") << "the bundled file has no stray characters";
}

TEST_F(TechReader, ColonAfterTheNameIsEchoedAndIgnored) {
  ASSERT_EQ(parse("layers:\nCPG: red hatch;\nCMF = blue, solid;\n"), 0) << err;
  EXPECT_EQ(out, ":=");
  ASSERT_EQ(GlayerNum, 2);
  EXPECT_STREQ(Glayers[0].color, "red");
  EXPECT_STREQ(Glayers[0].pattern, "hatch");
  EXPECT_STREQ(Glayers[1].pattern, "solid") << "a comma separates like a blank";
}

TEST_F(TechReader, ContinuationLinesBeginWithABlank) {
  ASSERT_EQ(parse("elements:\nNMOS CAA   # active\n\tCPG\n  CSN\n ;\n"), 0) << err;
  ASSERT_EQ(DelementNum, 1);
  EXPECT_EQ(Delement[0].layerNum, 3);
  EXPECT_STREQ(Delement[0].layers[2], "CSN");
}

TEST_F(TechReader, WordAtLineStartInsideARuleIsASyntaxError) {
  EXPECT_EQ(parse("layers:\nCPG red hatch;\nCMF blue\nsolid;\nCAA green grid;\n"), 1);
  EXPECT_EQ(err, "error character 4 solid: syntax error\n");
  EXPECT_EQ(GlayerNum, 1) << "rules before the error are kept";
  EXPECT_EQ(TlistString, nullptr);
}

TEST_F(TechReader, OtherSyntaxErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"layers:\nCPG;\n", "error character 2 ;: syntax error\n"},                // a rule needs an item
      {"layers:\n  CPG red hatch;\n", "error character 2 CPG: syntax error\n"},  // no rule after a blank
      {" layers:\nCPG red hatch;\n", "error character 1 layers: syntax error\n"}, // headers at the line start
      {"layers:\nCPG red hatch", "error character 2 : syntax error\n"},           // end of file inside a rule
      {"layers: CPG red hatch;\n", nullptr},
      {";\n", nullptr},
      {"colours:\nCPG red;\n", nullptr},  // an unknown header is a name followed by a rule name
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(parse(text), 1) << text;
    if (message) {
      EXPECT_EQ(err, message) << text;
    }
  }
}

TEST_F(TechReader, CommentsAndLineCounting) {
  EXPECT_EQ(parse("# header comment\nlayers: # the layers\n#CPG red hatch;\nCMF blue # colour\n solid; # end\n"
                  "\n\nCAA green grid\nbad;\n"),
            1);
  EXPECT_EQ(GlayerNum, 1);
  EXPECT_STREQ(Glayers[0].name, "CMF");
  EXPECT_EQ(err, "error character 9 bad: syntax error\n");
}

TEST_F(TechReader, EmptyFileAndRulesBeforeAnyGroup) {
  EXPECT_EQ(parse(""), 0);
  EXPECT_EQ(parse("CPG red hatch;\nlayers:\n"), 0);
  EXPECT_EQ(GlayerNum, 0) << "a rule before the first header changes nothing";
}

TEST_F(TechReader, PortsOfAnElementDefinedLaterDoNothing) {
  ASSERT_EQ(parse("ports:\nNMOS CAA;\nelements:\nNMOS CAA CPG;\nports:\nPMOS CAA;\n"), 0);
  ASSERT_EQ(DelementNum, 1);
  EXPECT_EQ(Delement[0].portLayerNum, 0);
  ASSERT_EQ(parse("elements:\nNMOS CAA CPG;\nports:\nNMOS CAA CPG CMF;\n"), 0);
  EXPECT_EQ(Delement[0].portLayerNum, 3);
  EXPECT_STREQ(Delement[0].portlayers[2], "CMF");
}

TEST_F(TechReader, ConnectionNeedsThreeItems) {
  ASSERT_EQ(parse("connections:\nC1 CAA CCA CMF extra;\nC2 CPG CCP;\nC3 CMF CVA CMS;\n"), 0);
  EXPECT_EQ(DconNum, 2);
  EXPECT_STREQ(Dconnect[1].name, "C3");
  EXPECT_NE(err.find("Error: Connection C2 error in technology file."), std::string::npos) << err;
}

TEST_F(TechReader, PassiveGroups) {
  ASSERT_EQ(parse("inductors:\nI CMS CMF;\ncapacitors:\nC CMF CMS;\nC2 CPG;\nresistors:\nR CPG;\n"), 0);
  EXPECT_EQ(LXindDefNum, 1);
  EXPECT_EQ(LXindDefinition[0].layerNum, 2);
  EXPECT_EQ(CXcapDefNum, 2);
  EXPECT_STREQ(CXcapDefinition[1].layers[0], "CPG");
  EXPECT_EQ(RXresDefNum, 1);
}

TEST_F(TechReader, AtMostThirtyOneLayers) {
  Glayers[DT_MAX_LAYERS - 1].name[0] = '\0';
  ASSERT_EQ(parse(layerLines(33)), 0);
  EXPECT_EQ(GlayerNum, 31);
  EXPECT_STREQ(Glayers[30].name, "L30");
  EXPECT_STREQ(Glayers[31].name, "") << "the terminator stays empty";
  EXPECT_NE(err.find("Too many layers in technology file (at most 31): L31 ignored"), std::string::npos) << err;
  EXPECT_NE(err.find("L32 ignored"), std::string::npos);
}

TEST_F(TechReader, AtMostEightRulesPerGroupAndThirtyTwoItems) {
  std::string text = "elements:\n";
  for (int i = 0; i < 9; ++i) text.append(1, 'E').append(std::to_string(i)).append(" CAA CPG;\n");
  text += "connections:\n";
  for (int i = 0; i < 10; ++i) text.append(1, 'K').append(std::to_string(i)).append(" A B C;\n");
  text += "resistors:\nR";
  for (int i = 0; i < 40; ++i) text += " X" + std::to_string(i);
  text += ";\n";
  ASSERT_EQ(parse(text), 0);
  EXPECT_EQ(DelementNum, 8);
  EXPECT_EQ(DconNum, 8);
  EXPECT_NE(err.find("Too many elements in technology file (at most 8): E8 ignored"), std::string::npos) << err;
  EXPECT_NE(err.find("K9 ignored"), std::string::npos);
  ASSERT_EQ(RXresDefNum, 1);
  EXPECT_EQ(RXresDefinition[0].layerNum, 32);
  EXPECT_STREQ(RXresDefinition[0].layers[31], "X31");
}

TEST_F(TechReader, LayerRuleNeedsColourAndPatternAndShortNames) {
  std::string longName(40, 'N');
  ASSERT_EQ(parse("layers:\nCPG red;\n" + longName + " red hatch;\nCMF blue solid;\n"), 0);
  ASSERT_EQ(GlayerNum, 1);
  EXPECT_STREQ(Glayers[0].name, "CMF");
  EXPECT_NE(err.find("Layer CPG needs a colour and a pattern in technology file"), std::string::npos) << err;
  EXPECT_NE(err.find("Name " + longName + " too long in technology file"), std::string::npos) << err;
}

TEST_F(TechReader, ANewLoadStartsOverFromIndexZero) {
  ASSERT_EQ(parse(layerLines(5) + "elements:\nA X Y;\nB X Y;\n"), 0);
  ASSERT_EQ(parse("layers:\nZZ red hatch;\n"), 0);
  EXPECT_EQ(GlayerNum, 1);
  EXPECT_EQ(DelementNum, 0);
  EXPECT_STREQ(Glayers[0].name, "ZZ");
}

TEST_F(TechReader, UnusualCharactersAreEchoed) {
  ASSERT_EQ(parse("layers:\r\nCPG red hatch;\r\n"), 0);
  EXPECT_EQ(out, "\r\r");
  EXPECT_EQ(GlayerNum, 1);
}

TEST_F(TechReader, MissingPatternFileOrColourIsFatal) {
  EXPECT_EXIT(CVparseTech("layers:\nCPG red nosuch;\n"), testing::ExitedWithCode(1),
              "Fatal: Can not load pattern file .*/lib/bitmaps/nosuch\\.");
  // "azure" is a colour the X server knows, but the bundled colour list does not name it.
  EXPECT_EXIT(CVparseTech("layers:\nCPG azure hatch;\n"), testing::ExitedWithCode(1), "Fatal: color azure not found\\.");
}

TEST_F(TechReader, ReplaceableLayerContextMaker) {
  static int made;
  made = 0;
  DTsetLayerGCMaker([](int) { ++made; });
  ASSERT_EQ(parse("layers:\nA nocolour nopattern;\nB x y;\n"), 0);
  EXPECT_EQ(made, 2);
  EXPECT_EQ(GlayerNum, 2);
}
