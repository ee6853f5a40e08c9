// Acceptance codes, value forms and the technology start-up, through the
// core entry points with front-end hooks that record what would be shown.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/frontend.h"
#include "common/message.h"
#include "common/scale.h"
#include "compact/process_options.h"
#include "interface/accept.h"
#include "interface/action_table.h"
#include "interface/file_commands.h"
#include "interface/forms.h"
#include "interface/tech_init.h"
#include "support/run_program.h"
#include "support/tech_fixture.h"
#include "techc/tech.h"
#include "yield/density.h"

namespace {
struct Seen {
  int fileCode = -1, formCode = -1, popdowns = 0, layerControls = 0, scaleMin = -1, scaleMax = -1;
  std::string prompt, value;
} seen;

class Accept : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SYSRC", (CVlibDir() + "/corvidrc").c_str(), 1);
    GCresetScale();
    CVresetTechnology();
    seen = Seen();
    DIfrontEnd hooks;
    hooks.openFileDialog = [](int code) { seen.fileCode = code; };
    hooks.openForm = [](const char* p, const char* v, int code) {
      seen.prompt = p;
      seen.value = v;
      seen.formCode = code;
    };
    hooks.popdownDialog = [] { seen.popdowns++; };
    hooks.layerControl = [] { seen.layerControls++; };
    hooks.setScaleRange = [](int lo, int hi) {
      seen.scaleMin = lo;
      seen.scaleMax = hi;
    };
    DIsetFrontEnd(hooks);
  }
  void TearDown() override { DIsetFrontEnd(DIfrontEnd()); }
  // A settings file in a scratch directory naming `tech`, with the given scales.
  static std::string useSettings(const std::string& tech, const std::string& scales) {
    std::string dir = CVscratchDir();
    CVwriteFile(dir + "/rc", "ColorFile " + CVlibDir() + "/colors.txt\nIconPath " + CVlibDir() + "/bitmaps/\nTechFile " +
                                 tech + "\n" + scales);
    setenv("SYSRC", (dir + "/rc").c_str(), 1);
    return dir;
  }
  void loadDefault() {
    testing::internal::CaptureStderr();
    DItechInit();
    testing::internal::GetCapturedStderr();
  }
  int form(const char* label) {
    std::string copy = label;
    seen.formCode = -1;
    DIsetForm(nullptr, copy.data(), nullptr);
    return seen.formCode;
  }
  void accept(int code, const char* text) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    DIacceptCB(code, text);
    out = testing::internal::GetCapturedStdout();
    err = testing::internal::GetCapturedStderr();
  }
  std::string out, err;
};
}  // namespace

TEST_F(Accept, StartUpScaleAndDefectSettings) {
  useSettings(CVlibDir() + "/default.tech", "GlobalScale 2\nMinDefectSize 1\nMaxDefectSize 5\nStep 3\n");
  loadDefault();
  EXPECT_EQ(ENV_SCALE, 2);
  EXPECT_EQ(theGlobalScale, 80);
  EXPECT_EQ(SCALE, 80);
  EXPECT_EQ(theMinDefectSize, 80);
  EXPECT_EQ(theMaxDefectSize, 400);
  EXPECT_EQ(theStep, 240);
  EXPECT_STREQ(GClastMessage(), "Message: Load technology file OK.");
  ASSERT_EQ(GlayerNum, 11);
  for (int i = 0; i < GlayerNum; ++i) {
    EXPECT_EQ(Glayers[i].active, 0);
    EXPECT_EQ(Glayers[i].X0, 1.0f);
    EXPECT_EQ(Glayers[i].D0, 10.0f);
    EXPECT_EQ(Glayers[i].Y0, 1.0f);
    EXPECT_EQ(Glayers[i].alfa, 1.0f);
  }
  EXPECT_STREQ(Glayers[11].name, "");
}

TEST_F(Accept, StartUpWithABrokenTechnologyGoesOn) {
  std::string dir = useSettings("bad.tech", "GlobalScale 1\nMinDefectSize 1\nMaxDefectSize 5\nStep 1\n");
  CVwriteFile(dir + "/bad.tech", "layers:\nCPG red hatch;\nCMF\n");
  loadDefault();
  EXPECT_STREQ(GClastMessage(), "Error: Technology file format error.");
  EXPECT_EQ(GlayerNum, 1);
}

TEST_F(Accept, FileCommandsOpenTheDialogWithTheirCodes) {
  struct {
    const char* name;
    int code;
  } commands[] = {{"f.DIrdLayout", 0}, {"f.DIldTech", 1},  {"f.DIldDesRule", 4},
                  {"f.DIldLayout", 12}, {"f.DIldSym", 16}, {"f.DRload", 18},
                  {"f.DRloadCadenceDesRule1", 19}, {"f.DRloadCadenceDesRule2", 20},
                  {"f.UStransSizeFile", 21}};
  for (auto c : commands) {
    seen.fileCode = -1;
    char label[] = "Button";
    DIfindCallback(c.name).invoke(nullptr, label, nullptr);
    EXPECT_EQ(seen.fileCode, c.code) << c.name;
  }
}

TEST_F(Accept, OpenFailuresUseEachCodesOwnText) {
  PROCESS_INCLUDE_PASSIVE = PROCESS_INCLUDE_INDUCTOR = 0;
  accept(1, "/no/such.tech");
  EXPECT_EQ(out, " I am in DIacceptCB.............\n");
  EXPECT_EQ(err, "Error: Cann't open the file /no/such.tech.\n");
  EXPECT_EQ(PROCESS_INCLUDE_PASSIVE, 1);
  EXPECT_EQ(PROCESS_INCLUDE_INDUCTOR, 1);
  accept(4, "/no/rules");
  EXPECT_EQ(err, "Error: Can't open the file /no/rules.\n");
  accept(21, "/no/sizes");
  EXPECT_EQ(err, "Error: Can't open file: /no/sizes\n.\n");
}

TEST_F(Accept, TechnologyThroughTheDialog) {
  loadDefault();
  Glayers[3].X0 = 7.0f;
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/t", "layers:\nA red hatch;\nB blue solid;\n");
  accept(1, (dir + "/t").c_str());
  EXPECT_EQ(err, "Parsing TECH ......\nLoad technology file OK.\n");
  EXPECT_EQ(GlayerNum, 2);
  EXPECT_STREQ(Glayers[2].name, "") << "the old third layer is gone from the terminator";
  EXPECT_EQ(Glayers[3].X0, 7.0f) << "the dialog leaves defect parameters alone";
  EXPECT_EQ(seen.layerControls, 1);
  EXPECT_EQ(seen.popdowns, 1);
  CVwriteFile(dir + "/t", "layers:\nA red hatch\n");
  accept(1, (dir + "/t").c_str());
  EXPECT_NE(err.find("Technology file format error."), std::string::npos);
  EXPECT_EQ(seen.layerControls, 1);
}

TEST_F(Accept, FormsNeedAnActiveLayerFromX0OnAndShowTheCurrentValue) {
  loadDefault();
  EXPECT_EQ(form("Def_I/O"), 13);
  EXPECT_EQ(seen.prompt, "Terminal Name:");
  EXPECT_EQ(seen.value, "");
  EXPECT_EQ(form("NameNet"), 14);
  EXPECT_EQ(form("FindNet"), 15);
  for (const char* label : {"X0(SizeDistribution)", "D0(DefectDensity)", "Y0(ClusterFactor)", "A(GammaParameter)",
                            "MaxSize", "MinSize", "Step", "Minimum", "Maximum", "Interval"}) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(form(label), -1) << label;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Warning: Select an active layer first.\n");
  }
  // With one, they show their prompt and the current value.
  Glayers[8].active = 1;
  Glayers[8].D0 = 12.5f;
  EXPECT_EQ(form("D0(DefectDensity)"), 3);
  EXPECT_EQ(seen.prompt, "Defect Density D0:");
  EXPECT_EQ(seen.value, "12.5000");
  EXPECT_EQ(form("MaxSize"), 6);
  EXPECT_EQ(seen.value, "10.0000") << "MaxDefectSize 10 of the bundled settings";
  EXPECT_EQ(form("Interval"), 11);
  EXPECT_EQ(seen.prompt, "The Density Growing Step:");
  EXPECT_EQ(seen.value, "100.0000");
  EXPECT_EQ(form("Y0(ClusterFactor)"), 17);
  EXPECT_EQ(form("A(GammaParameter)"), 5);
}

TEST_F(Accept, ValueCodes) {
  loadDefault();
  Glayers[2].active = 1;
  struct {
    int code;
    const char* text;
    const float* field;
    float want;
  } values[] = {{2, "2.5", &Glayers[2].X0, 2.5f},   {3, "30", &Glayers[2].D0, 30.0f},
                {5, "0.75", &Glayers[2].alfa, 0.75f}, {17, "0.5", &Glayers[2].Y0, 0.5f},
                {9, "50", &Fdensity[0], 50.0f},      {10, "500", &Fdensity[1], 500.0f},
                {11, "25", &Fdensity[2], 25.0f}};
  for (const auto& v : values) {
    accept(v.code, v.text);
    EXPECT_EQ(*v.field, v.want) << "code " << v.code;
  }
  accept(6, "3.5");
  EXPECT_EQ(theMaxDefectSize, 140);
  EXPECT_EQ(seen.scaleMax, 30) << "(140 / 40) * 10 in whole numbers";
  accept(7, "0.55");
  EXPECT_EQ(theMinDefectSize, 22);
  EXPECT_EQ(seen.scaleMin, 0);
  accept(8, "0.26");
  EXPECT_EQ(theStep, 10);
}

TEST_F(Accept, ZeroOrTextValueChangesNothing) {
  loadDefault();
  Glayers[0].active = 1;
  for (const char* text : {"0", "abc", "", "0.0"}) {
    accept(6, text);
    EXPECT_EQ(err, "Error: Input wrong, change cancelled.\n") << text;
    EXPECT_EQ(theMaxDefectSize, 400);
  }
  accept(2, "0");
  EXPECT_EQ(Glayers[0].X0, 1.0f);
}

TEST_F(Accept, LayerValueWithoutActiveLayerIsFatal) {
  loadDefault();
  EXPECT_EXIT(DIacceptCB(2, "1.5"), testing::ExitedWithCode(1), "Fatal: No active layer, check DIacceptCB\\(\\)\\.");
}
