// Tests that resize layouts through corvid-batch: each case gets a scratch
// directory with the resize_report/ the resizer moves its files into, and
// starts from clean modules for loading and extracting the results in-process.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "batch/batch_startup.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "support/run_program.h"

class CVresizeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = CVscratchDir();
    std::filesystem::create_directories(dir + "/resize_report");
    BAstartup();
    CSreset();
    DExInit();
  }
  // Files beside `name` whose name continues it after a dot: unfinished
  // output left behind.
  bool leftUnfinished(const std::string& name) const {
    for (const auto& entry : std::filesystem::directory_iterator(dir))
      if (entry.path().filename().string().rfind(name + ".", 0) == 0) return true;
    return false;
  }
  std::string dir;
};

// The first 20 of `lines`, one a line, for a readable failure message.
inline std::string CVjoinLines(const std::vector<std::string>& lines) {
  std::string s;
  for (size_t i = 0; i < lines.size() && i < 20; ++i) s += lines[i] + "\n";
  return s;
}
