// The colour table from the colour name list, without X.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/colors.h"
#include "support/run_program.h"

namespace {
class Colors : public testing::Test {
 protected:
  void SetUp() override {
    GCresetColors();
    dir = CVscratchDir();
  }
  void useList(const std::string& list) {
    CVwriteFile(dir + "/colors", list);
    CVwriteFile(dir + "/rc", "ColorFile colors\n");
    setenv("SYSRC", (dir + "/rc").c_str(), 1);
  }
  std::string dir;
};
}  // namespace

TEST_F(Colors, UnknownNamesAreSkippedAndTheNextTakesTheirPlace) {
  useList("red nosuchcolour\nBlue\n\tDodgerBlue " + std::string(40, 'a') + " white\n");
  GCcolorInit();
  ASSERT_EQ(ColorNum, 4);
  EXPECT_STREQ(GCworkStation[GCstationId].color[1].name, "Blue");
  EXPECT_EQ(GCgetNamedColorName("Blue"), 1);
  EXPECT_EQ(GCgetNamedColorName("blue"), -1) << "the table is matched exactly";
  EXPECT_EQ(GCgetNamedColorName("nosuchcolour"), -1);
  EXPECT_EQ(GCgetNamedColor("red"), 0xff0000ul);
  EXPECT_EQ(GCgetNamedColor("nosuchcolour"), ~0ul);
  EXPECT_EQ(GCcolorRGB(2), 0x1e90fful);
  EXPECT_EQ(GCgetNamedColorName("white"), 3);
  unsigned long rgb = 0;
  EXPECT_TRUE(GClookupColor("forestgreen", &rgb)) << "the colour database ignores case";
  EXPECT_EQ(rgb, 0x228b22ul);
  EXPECT_FALSE(GClookupColor("forest green", &rgb)) << "names are single words";
}

TEST_F(Colors, AtMost128Colours) {
  std::string list;
  for (int i = 0; i < 150; ++i) list += (i % 2 ? "red " : "green ");
  useList(list);
  GCcolorInit();
  EXPECT_EQ(ColorNum, 128);
}

TEST_F(Colors, MissingListIsFatal) {
  CVwriteFile(dir + "/rc", "ColorFile none\n");
  setenv("SYSRC", (dir + "/rc").c_str(), 1);
  EXPECT_EXIT(GCcolorInit(), testing::ExitedWithCode(1), "Fatal: Can't open the rgb file\\.");
}

TEST_F(Colors, BundledListIsFullyKnown) {
  setenv("SYSRC", (CVlibDir() + "/corvidrc").c_str(), 1);
  GCcolorInit();
  EXPECT_EQ(ColorNum, 32);
  for (const char* c : {"White", "Black"}) EXPECT_GE(GCgetNamedColorName(c), 0) << "busy cursor colour " << c;
}
