// Squeeze tests run in a scratch working directory with its resize_report/,
// with the squeeze state and the resizer options reset.
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "common/scale.h"
#include "compact/process_options.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"

class SqueezeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/corvid_sq_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    ASSERT_EQ(mkdir((dir + "/resize_report").c_str(), 0755), 0);
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    home = here;
    ASSERT_EQ(chdir(dir.c_str()), 0);
    SQreset();
    RSresetOptions();
    GCresetScale();
  }
  void TearDown() override {
    SQreset();
    if (!home.empty() && chdir(home.c_str()) != 0) ADD_FAILURE() << "cannot return to " << home;
    if (getenv("CORVID_KEEP_SCRATCH")) return;  // for looking at the files of a failing case
    std::string rm = "rm -rf '" + dir + "'";
    if (system(rm.c_str()) != 0) ADD_FAILURE() << "cannot remove " << dir;
  }
  static bool exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
  }
  std::string dir, home;
};
