#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>

#include "common/xbm.h"
#include "support/run_program.h"

namespace {
bool parse(const std::string& text, GCbitmap* b) { return GCparseBitmap(text.data(), text.size(), b); }
}  // namespace

TEST(Xbm, ReadsSizeHotSpotAndBitsLeastSignificantFirst) {
  GCbitmap b;
  ASSERT_TRUE(parse("#define t_width 10\n#define t_height 2\n#define t_x_hot 1\n#define t_y_hot 0\n"
                    "static char t_bits[] = {\n 0x01, 0x02, 0xff,0X03 };\n",
                    &b));
  EXPECT_EQ(std::make_tuple(b.width, b.height, b.xHot, b.yHot), std::make_tuple(10, 2, 1, 0));
  ASSERT_EQ(b.bits.size(), 4u);
  EXPECT_TRUE(b.pixel(0, 0));
  EXPECT_FALSE(b.pixel(1, 0));
  EXPECT_TRUE(b.pixel(9, 0));
  EXPECT_TRUE(b.pixel(9, 1));
  EXPECT_TRUE(b.pixel(0, 1));
}

TEST(Xbm, RejectsMalformedBitmaps) {
  GCbitmap b;
  b.width = 77;
  EXPECT_FALSE(parse("", &b));
  EXPECT_FALSE(parse("#define a_width 8\nstatic char a_bits[] = {0x00};", &b)) << "no height";
  EXPECT_FALSE(parse("#define a_width 8\n#define a_height 2\nstatic char a_bits[] = {0x00};", &b)) << "too few bytes";
  EXPECT_FALSE(parse("#define a_width 8\n#define a_height 1\nstatic char a_bits[] = {0x100};", &b));
  EXPECT_FALSE(parse("#define a_width 8\n#define a_height 1\nstatic char a_bits[] = {zz};", &b));
  EXPECT_FALSE(parse("#define a_width 0\n#define a_height 1\n{0x0}", &b));
  EXPECT_FALSE(parse("#define a_width 99999999999\n#define a_height 1\n{0x0}", &b));
  EXPECT_FALSE(parse("#define a_width 5000\n#define a_height 1\n{0x0}", &b));
  EXPECT_FALSE(parse("#define a_width 8\n#define a_height 1\n", &b)) << "no data";
  EXPECT_EQ(b.width, 77) << "a failed read leaves the bitmap alone";
  EXPECT_FALSE(GCreadBitmap("/nonexistent/bitmap", &b));
}

TEST(Xbm, EveryBundledBitmapReads) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CVlibDir() + "/bitmaps")) {
    GCbitmap b;
    EXPECT_TRUE(GCreadBitmap(entry.path().c_str(), &b)) << entry.path();
    EXPECT_EQ(b.width, 16);
    ++count;
  }
  EXPECT_GE(count, 10);
  GCbitmap busy;
  ASSERT_TRUE(GCreadBitmap((CVlibDir() + "/bitmaps/BUSY").c_str(), &busy));
  EXPECT_EQ(busy.xHot, 7);
}
