// The layer panel's modes and the pane commands, without a window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "callback/command_area.h"
#include "callback/layer_panel.h"
#include "callback/pane_commands.h"
#include "common/colors.h"
#include "common/message.h"
#include "common/settings.h"
#include "display/window_hooks.h"
#include "interface/tech_init.h"
#include "techc/tech.h"

namespace {
std::vector<std::string> events;

struct Panel : testing::Test {
  void SetUp() override {
    GCcolorInit();
    DItechInit();
    events.clear();
    DIwindowHooks hooks;
    hooks.showPane = [](int pane, int show) { events.push_back("pane" + std::to_string(pane) + (show ? "+" : "-")); };
    hooks.colourLayerButton = [](int layer, int on) {
      events.push_back(std::string(Glayers[layer].name) + (on ? "+" : "-"));
    };
    DIsetWindowHooks(hooks);
  }
};
}  // namespace

TEST_F(Panel, DisplayModeTogglesShowSwitchAndRecolours) {
  DIlayerButPress("CMF");
  EXPECT_EQ(Glayers[DTlayerIndex("CMF")].showswitch, 0);
  EXPECT_STREQ(GClastMessage(), "Message: CMF is switched off.");
  DIlayerButPress("CMF");
  EXPECT_EQ(Glayers[DTlayerIndex("CMF")].showswitch, 1);
  EXPECT_STREQ(GClastMessage(), "Message: CMF is switched on.");
  EXPECT_EQ(events, (std::vector<std::string>{"CMF-", "CMF+"}));
}

TEST_F(Panel, SwitchingModeRecoloursEveryButtonByThatModesFlag) {
  DIlayerButPress("fillmode");
  EXPECT_STREQ(GClastMessage(), "Message: Fillmode controller is switched on.");
  EXPECT_EQ(static_cast<int>(events.size()), GlayerNum);
  events.clear();
  DIlayerButPress("fillmode");  // no change of mode: no recolouring
  EXPECT_TRUE(events.empty());
  DIlayerButPress("CPG");
  EXPECT_EQ(Glayers[DTlayerIndex("CPG")].fillmode, 0);
  EXPECT_EQ(Glayers[DTlayerIndex("CPG")].showswitch, 1);
  DIlayerButPress("thelayers");
  EXPECT_STREQ(GClastMessage(), "Message: Active layer controller is switched on.");
  EXPECT_EQ(events.back(), std::string(Glayers[GlayerNum - 1].name) + "-");  // nothing is active
}

TEST_F(Panel, ActiveLayerNeedsAPlane) {
  DIlayerButPress("thelayers");
  DIlayerButPress("CMF");
  EXPECT_STREQ(GClastMessage(), "Error: CMF can not be actived.");
  EXPECT_EQ(Glayers[DTlayerIndex("CMF")].active, 0);

  static std::vector<std::string> current;
  current.clear();
  DIlayerPlanes planes;
  planes.hasPlane = [](const char* name) { return std::string(name) != "XYZ"; };
  planes.makeCurrent = [](const char* name) { current.push_back(name); };
  DIsetLayerPlanes(planes);
  DIlayerButPress("CMF");
  EXPECT_STREQ(GClastMessage(), "Message: CMF is switched on.");
  char cpg[] = "CPG";
  DIsetActive(nullptr, cpg, nullptr);
  EXPECT_EQ(Glayers[DTlayerIndex("CMF")].active, 0);
  EXPECT_EQ(Glayers[DTlayerIndex("CPG")].active, 1);
  DIsetActive(nullptr, cpg, nullptr);
  EXPECT_STREQ(GClastMessage(), "Message: CPG is already switched on.");
  EXPECT_EQ(current, (std::vector<std::string>{"CMF", "CPG", "CPG"}));
  DIresetLayerPanel();
}

TEST_F(Panel, PanesShowAndHideOnceAndTheCommandAreaStartsHidden) {
  EXPECT_EQ(CommCloseFlag, 1);
  DIopenComm(nullptr, nullptr, nullptr);
  DIopenComm(nullptr, nullptr, nullptr);  // already shown: nothing
  DIcloseMess(nullptr, nullptr, nullptr);
  DIclosePane(nullptr, nullptr, nullptr);
  DIopenPane(nullptr, nullptr, nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"pane5+", "pane2-", "pane4-", "pane4+"}));
  EXPECT_EQ(CommCloseFlag, 0);
  EXPECT_EQ(MessCloseFlag, 1);
  EXPECT_EQ(PaneCloseFlag, 0);
}

TEST_F(Panel, CommandAreaEchoesAndStoresOnlyShortStrings) {
  DIcommandText("hello there");
  EXPECT_STREQ(CommandLine, "hello there");
  EXPECT_STREQ(GClastMessage(), "Message: Corvid received a string: hello there.");
  std::string longText(1024, 'x');
  DIcommandText(longText.c_str());
  EXPECT_STREQ(CommandLine, "hello there");
  EXPECT_EQ(GClastSeverity(), 'M');
  DIcommandText(nullptr);
  EXPECT_STREQ(GClastMessage(), "Warning: Corvid received a NULL string.");
}
