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

int countButtons(_Buttons* b, bool* allKnown) {
  int n = 0;
  for (; b; b = b->next) {
    if (b->type == DI_PUSH_BUTTON) {
      ++n;
      if (b->callback.action == nullptr && b->callback.action1 == nullptr && b->callback.action2 == nullptr)
        *allKnown = false;
    }
    n += countButtons(b->pulldown, allKnown);
  }
  return n;
}

_Menutree* menuNamed(const char* label) {
  for (_Menutree* t = Dmenu; t; t = t->brother)
    if (strcmp(t->label, label) == 0) return t;
  return nullptr;
}
}  // namespace

TEST(MenuReader, BundledMenuReachesEveryActionOfTheTable) {
  GCcolorInit();
  DItechInit();
  DImenuInit();
  ASSERT_NE(Dmenu, nullptr);
  EXPECT_STREQ(Dmenu->label, "File");
  ASSERT_NE(menuNamed("Layers"), nullptr);
  EXPECT_EQ(menuNamed("Layers")->buttonlist, nullptr);  // the Layers entry gets an empty menu
  // Every action name of the table appears on some button of the file.
  std::string text = CVreadFile(CVlibDir() + "/Dmenu.txt");
  for (const _Actionindex& row : DactionIndex)
    EXPECT_NE(text.find(std::string(" ") + row.name), std::string::npos) << row.name;
  bool allKnown = true;
  int buttons = 0;
  for (_Menutree* t = Dmenu; t; t = t->brother) buttons += countButtons(t->buttonlist, &allKnown);
  EXPECT_GT(buttons, 80);
  EXPECT_TRUE(allKnown);
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

TEST(MenuReaderDeath, MissingSubmenuIsFatal) {
  std::string path = writeMenu("MENUBAR { CASCADE File FileMenu }\nOther { BUTTON A f.exit }\n");
  EXPECT_EXIT(DImenuRead(path.c_str()), testing::ExitedWithCode(1), "Can't find the FileMenu submenu");
}

TEST(MenuReaderDeath, LowerCaseTypeWordIsAnError) {
  std::string path = writeMenu("MENUBAR { CASCADE File FileMenu }\nFileMenu { button Exit f.exit }\n");
  EXPECT_EXIT(DImenuRead(path.c_str()), testing::ExitedWithCode(1), "Menu description error: button");
}

TEST(MenuReaderDeath, PulldownNamingAMissingBlockIsFatal) {
  std::string path = writeMenu("MENUBAR { CASCADE File FileMenu }\nFileMenu { PULLDOWN Sub Nowhere }\n");
  EXPECT_EXIT(DImenuRead(path.c_str()), testing::ExitedWithCode(1), "Can't find the Nowhere submenu");
}

TEST(MenuReaderDeath, UnreadableFileIsFatal) {
  EXPECT_EXIT(DImenuRead("/nonexistent/menu.txt"), testing::ExitedWithCode(1), "Menu description not available");
}

TEST(MenuReaderDeath, BlockOfMoreThan32EntriesIsAnError) {
  std::string text = "MENUBAR { CASCADE File FileMenu }\nFileMenu {";
  for (int i = 0; i < 33; ++i) text += " BUTTON B" + std::to_string(i) + " f.exit";
  text += " }\n";
  std::string path = writeMenu(text);
  EXPECT_EXIT(DImenuRead(path.c_str()), testing::ExitedWithCode(1), "Menu description error: FileMenu");
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
