// Lookups in the system source file named by $SYSRC.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/settings.h"
#include "support/run_program.h"

namespace {
class Settings : public testing::Test {
 protected:
  void SetUp() override {
    dir = CVscratchDir();
    CVwriteFile(dir + "/rc",
                "# comment line: GlobalScale 7\n"
                "TechFile   my.tech  trailing words\n"
                "Note GlobalScale 9\n"
                "GlobalScale 2\n"
                "IconPath /abs/icons/\n"
                "MaxDefectSize\t-12\n"
                "Global 5\n"
                "GlobalScale 3\n");
    setenv("SYSRC", (dir + "/rc").c_str(), 1);
  }
  std::string dir;
};
}  // namespace

TEST_F(Settings, ValueAndNameFollowTheKeyAtTheStartOfALine) {
  EXPECT_EQ(GCgetValue("GlobalScale"), 2) << "the first line whose first word is the key";
  EXPECT_EQ(GCgetValue("MaxDefectSize"), -12);
  const char* name = GCgetName("TechFile");
  EXPECT_EQ(name, StringBuffer);
  EXPECT_STREQ(name, "my.tech");
  GCgetName("IconPath");
  EXPECT_STREQ(StringBuffer, "/abs/icons/") << "each call overwrites the buffer";
  // Relative paths resolve against the settings file's directory.
  EXPECT_EQ(std::string(GCgetPath("TechFile")), dir + "/my.tech");
  EXPECT_STREQ(GCgetPath("IconPath"), "/abs/icons/");
}

TEST_F(Settings, FailedLookupsAreFatalAndNameTheKeyAndLine) {
  // Keys are case sensitive, match whole words and count only as a line's first word.
  EXPECT_EXIT(GCgetValue("globalscale"), testing::ExitedWithCode(1),
              "Fatal: System source file error: no line of .*/rc starts with the key globalscale\\.\n");
  EXPECT_EXIT(GCgetValue("Glob"), testing::ExitedWithCode(1), "the key Glob");
  const std::string longValue = "Step " + std::string(1500, '0') + "7\n";  // only its start fits the buffer
  struct {
    const char* rc;  // the settings file's text, or null for no file
    const char* fatal;
  } cases[] = {
      {"Note Step 9\n", "starts with the key Step\\."},
      {"# c\nStep many\n", "rc line 2: Step needs an integer, not many\\."},
      {"Step 12x\n", "rc line 1: Step needs an integer, not 12x\\."},
      {"Step\nGlobalScale 3\n", "rc line 1: no value for Step\\."},
      {"\n \n\t\r\nStep x\n", "rc line 4: Step needs an integer, not x\\."},  // blank lines count
      {"Step \v\f\n5\n", "rc line 1: no value for Step\\."},
      {longValue.c_str(), "rc line 1: the value of Step is longer than 1023"},
      {"Step 99999999999999999999\n", "Step 99999999999999999999 is not between"},
      {nullptr, "Fatal: No system source file\\."},
  };
  for (const auto& c : cases) {
    if (c.rc)
      CVwriteFile(dir + "/rc", c.rc);
    else
      setenv("SYSRC", (dir + "/none").c_str(), 1);
    EXPECT_EXIT(GCgetValue("Step"), testing::ExitedWithCode(1), c.fatal) << (c.rc ? c.rc : "no file");
  }
  CVwriteFile(dir + "/rc", "a\nStep 0\n");
  setenv("SYSRC", (dir + "/rc").c_str(), 1);
  EXPECT_EXIT(GCgetValueIn("Step", 1, 9), testing::ExitedWithCode(1), "rc line 2: Step 0 is not between 1 and 9\\.");
  unsetenv("SYSRC");
  EXPECT_EXIT(GCgetName("TechFile"), testing::ExitedWithCode(1), "Fatal: SYSRC env var must be set\\.");
}

TEST_F(Settings, VeryLongLinesAreSkipped) {
  CVwriteFile(dir + "/rc", "Junk " + std::string(5000, 'x') + " Step 4\nStep 6\n");
  EXPECT_EQ(GCgetValue("Step"), 6);
}

TEST(BundledSettings, EveryKeyIsPresent) {
  setenv("SYSRC", (CVlibDir() + "/corvidrc").c_str(), 1);
  for (const char* key : {"ColorFile", "IconPath", "MenuFile", "TechFile"}) EXPECT_STRNE(GCgetName(key), "") << key;
  for (const char* key : {"GlobalScale", "MinDefectSize", "MaxDefectSize", "Step"}) EXPECT_GT(GCgetValue(key), 0) << key;
  EXPECT_EQ(std::string(GCgetPath("TechFile")), CVlibDir() + "/default.tech");
}
