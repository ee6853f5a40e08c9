#include "support/tech_fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "common/colors.h"
#include "common/message.h"
#include "common/switches.h"
#include "support/run_program.h"
#include "techc/layer_gc.h"
#include "techc/tech.h"
#include "techc/tech_reader.h"

void CVresetTechnology() {
  GCresetSwitches();
  GCresetMessages();
  GCresetColors();
  DTreset();
  DTsetLayerGCMaker(nullptr);
  GCcolorInit();
}

int CVparseTech(const std::string& text) {
  std::string path = std::string(CORVID_BINARY_DIR) + "/cv_tech_" + std::to_string(getpid()) + ".tech";
  CVwriteFile(path, text);
  techin = fopen(path.c_str(), "r");
  EXPECT_NE(techin, nullptr);
  DTrdInit();
  int result = TECHparse();
  unlink(path.c_str());
  return result;
}

int CVparseTechCaptured(const std::string& text, std::string* out, std::string* err) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int result = CVparseTech(text);
  fflush(stdout);
  *out = testing::internal::GetCapturedStdout();
  *err = testing::internal::GetCapturedStderr();
  return result;
}
