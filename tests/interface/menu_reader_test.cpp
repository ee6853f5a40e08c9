// The menu description reader: the bundled file, the tree it makes, and its errors.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "callback/layer_panel.h"
#include "common/colors.h"
#include "interface/action_table.h"
#include "interface/menu_reader.h"
#include "interface/tech_init.h"
#include "support/run_program.h"
#include "techc/tech.h"

namespace {
std::string writeMenu(const std::string& text) {
  std::string path = CVscratchDir() + "/menu.txt";
  CVwriteFile(path, text);
  return path;
}

int countButtons(_Buttons* b) {
  int n = 0;
  for (; b; b = b->next) n += (b->type == DI_PUSH_BUTTON) + countButtons(b->pulldown);
  return n;
}

_Menutree* menuNamed(const char* label) {
  for (_Menutree* t = Dmenu; t; t = t->brother)
    if (strcmp(t->label, label) == 0) return t;
  return nullptr;
}
}  // namespace

TEST(MenuReader, BundledMenuHasTheLayerCascadeAndItsButtons) {
  GCcolorInit();
  DItechInit();
  DImenuInit();
  ASSERT_NE(Dmenu, nullptr);
  EXPECT_STREQ(Dmenu->label, "File");
  // The layer choice has a menu of its own: a cascade with one button per layer.
  ASSERT_NE(menuNamed("Layer"), nullptr);
  _Buttons* cascade = menuNamed("Layer")->buttonlist;
  ASSERT_NE(cascade, nullptr);
  EXPECT_STREQ(cascade->label, "ActiveLayer");
  int layers = 0;
  for (_Buttons* b = cascade->pulldown; b; b = b->next) ++layers;
  EXPECT_EQ(layers, GlayerNum);
  // Every button is read (its action is checked by MenuFile.EveryActionIsReachableFromTheMenuBar).
  int buttons = 0;
  for (_Menutree* t = Dmenu; t; t = t->brother) buttons += countButtons(t->buttonlist);
  EXPECT_GT(buttons, 80);
  DIfreeMenuTree();
}

TEST(MenuReader, BlocksNestAndLayersComeInReverseTableOrder) {
  GCcolorInit();
  DItechInit();
  std::string path = writeMenu(
      "preamble words { ignored }\n"
      "MENUBAR { CASCADE Main MainMenu CASCADE Layers Nothing }\n"
      "stray\n"
      "MainMenu { BUTTON Fit f.DVfit SEPARATOR s none PULLDOWN More MoreMenu LAYERS x Active }\n"
      "MoreMenu { BUTTON Unknown f.nosuchaction }\n");
  DImenuRead(path.c_str());
  ASSERT_NE(Dmenu, nullptr);
  EXPECT_EQ(Dmenu->brother->buttonlist, nullptr);
  _Buttons* b = Dmenu->buttonlist;
  ASSERT_NE(b, nullptr);
  EXPECT_STREQ(b->label, "Fit");
  EXPECT_STREQ(b->client_data, "Fit");
  EXPECT_EQ(b->callback.action2, DIfindCallback("f.DVfit").action2);
  EXPECT_EQ(b->next->type, DI_SEPARATOR);
  _Buttons* more = b->next->next;
  EXPECT_EQ(more->type, DI_PULLDOWN);
  EXPECT_EQ(more->pulldown->callback.action2, NullAction);  // unknown names bind to NullAction
  _Buttons* layers = more->next;
  EXPECT_STREQ(layers->label, "Active");
  int i = GlayerNum - 1;
  for (_Buttons* l = layers->pulldown; l; l = l->next, --i) {
    EXPECT_STREQ(l->label, Glayers[i].name);
    EXPECT_EQ(l->callback.action, DIsetActive);
  }
  EXPECT_EQ(i, -1);
  DIfreeMenuTree();
}

TEST(MenuReaderDeath, BrokenDescriptionsEndTheProgramNamingTheFault) {
  std::string wide = "MENUBAR { CASCADE File FileMenu }\nFileMenu {";
  for (int i = 0; i < 33; ++i) wide += " BUTTON B" + std::to_string(i) + " f.exit";
  const std::pair<std::string, const char*> cases[] = {
      {"MENUBAR { CASCADE File FileMenu }\nOther { BUTTON A f.exit }\n", "Can't find the FileMenu submenu"},
      {"MENUBAR { CASCADE File FileMenu }\nFileMenu { button Exit f.exit }\n", "Menu description error: button"},
      {"MENUBAR { CASCADE File FileMenu }\nFileMenu { PULLDOWN Sub Nowhere }\n", "Can't find the Nowhere submenu"},
      {wide + " }\n", "Menu description error: FileMenu"},  // more than 32 entries
  };
  for (const auto& [text, message] : cases) {
    std::string path = writeMenu(text);
    EXPECT_EXIT(DImenuRead(path.c_str()), testing::ExitedWithCode(1), message) << text;
  }
  EXPECT_EXIT(DImenuRead("/nonexistent/menu.txt"), testing::ExitedWithCode(1), "Menu description not available");
}

TEST(MenuReader, SelfNestingBlocksAreAnErrorNotAnEndlessMenu) {
  std::string text = "MENUBAR { CASCADE A A }\nA {";
  for (int i = 0; i < 32; ++i) text += " PULLDOWN P" + std::to_string(i) + " A";
  text += " }\n";
  FILE* f = fmemopen(text.data(), text.size(), "r");
  std::string error;
  _Menustruct* menus = DIreadMenuBlocks(f, &error);
  fclose(f);
  ASSERT_NE(menus, nullptr);
  EXPECT_EQ(DImenuData(menus, &error), nullptr);
  EXPECT_EQ(error, "Menu description error: A");
  DIfreeMenuStruct(menus);
}
