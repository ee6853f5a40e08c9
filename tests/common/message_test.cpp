// Composition and routing of messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/message.h"
#include "common/switches.h"

namespace {
struct Shown {
  int module;
  char severity;
  std::string text;
};
std::vector<Shown> shown;
void record(int module, char severity, const char* text) { shown.push_back({module, severity, text}); }

class Messages : public testing::Test {
 protected:
  void SetUp() override {
    GCresetSwitches();
    GCresetMessages();
    shown.clear();
    GCsetDisplayHook(record);
  }
  void TearDown() override { GCsetDisplayHook(nullptr); }
  std::string echo(char severity, const char* text) {
    testing::internal::CaptureStderr();
    GCmessage(GC_MOD_CIF, severity, "%s", text);
    return testing::internal::GetCapturedStderr();
  }
};
}  // namespace

TEST_F(Messages, PrefixesFormattingAndTheLastMessage) {
  EXPECT_EQ(echo('E', "bad"), "Error: bad.\n");
  EXPECT_EQ(echo('W', "careful"), "Warning: careful.\n");
  EXPECT_EQ(echo('M', "done"), "Message: done.\n");
  for (char s : {'D', 'Q', 'S', 'P', 'L'}) EXPECT_EQ(echo(s, "plain"), "plain.\n") << s;
  ASSERT_EQ(shown.size(), 8u);
  EXPECT_EQ(shown[0].text, "Error: bad.");
  EXPECT_EQ(shown[0].module, GC_MOD_CIF);
  EXPECT_EQ(shown[7].severity, 'L');
  testing::internal::CaptureStderr();
  GCmessage(GC_MOD_CS, 'M', "%s is switched %s (%d)", "CMF", "on", 3);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Message: CMF is switched on (3).\n");
  EXPECT_STREQ(GClastMessage(), "Message: CMF is switched on (3).");
  EXPECT_EQ(GClastSeverity(), 'M');
}

TEST_F(Messages, SilentDropsOnlyTheEcho) {
  Silently = 1;
  EXPECT_EQ(echo('E', "quiet"), "");
  ASSERT_EQ(shown.size(), 1u) << "the message area still gets it";
  EXPECT_EQ(shown[0].text, "Error: quiet.");
}

TEST_F(Messages, FatalGoesToTheErrorStreamNotTheMessageArea) {
  testing::internal::CaptureStderr();
  GCmessage(GC_MOD_COMMON, 'F', "broken");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fatal: broken.\n") << "once, with its newline";
  EXPECT_TRUE(shown.empty());
  Silently = 1;
  testing::internal::CaptureStderr();
  GCmessage(GC_MOD_COMMON, 'F', "broken");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fatal: broken.\n") << "-s keeps the fatal line";
}

TEST_F(Messages, LineIsLimitedTo1024Bytes) {
  std::string huge(5000, 'x');
  std::string line = echo('W', huge.c_str());
  ASSERT_EQ(line.size(), 1024u) << "1023 characters and the newline";
  EXPECT_EQ(line.substr(0, 9), "Warning: ");
  EXPECT_EQ(line.substr(1021), "x.\n");
  EXPECT_EQ(std::string(GClastMessage()).size(), 1023u);
}

TEST_F(Messages, FatalEndsTheProgramWithItsStatus) {
  EXPECT_EXIT(GCfatal(GC_MOD_COMMON, 1, "Memory allocation failed"), testing::ExitedWithCode(1),
              "Fatal: Memory allocation failed\\.");
  EXPECT_EXIT(GCfatal(GC_MOD_COMMON, 0, "bye"), testing::ExitedWithCode(0), "Fatal: bye\\.");
}
