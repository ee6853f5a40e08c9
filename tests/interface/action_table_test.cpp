#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/message.h"
#include "interface/action_table.h"
#include "support/run_program.h"

// Every row has exactly one handler; the names are checked against the menu file below.
TEST(ActionTable, EveryRowHasOneHandler) {
  for (const _Actionindex& row : DactionIndex)
    EXPECT_EQ((row.action != nullptr) + (row.action1 != nullptr) + (row.action2 != nullptr), 1) << row.name;
}

TEST(ActionTable, NamesGiveTheFirstRowsHandlerAndUnknownOnesNullAction) {
  EXPECT_EQ(DIfindAction("f.new"), &DactionIndex[0]) << "f.new is also row 6";
  EXPECT_EQ(DIfindCallback("f.new").action2, DactionIndex[0].action2);
  DIcallback exitCb = DIfindCallback("f.exit");
  EXPECT_EQ(exitCb.action2, DIexit);
  EXPECT_EQ(exitCb.action, nullptr);
  DIcallback unknown = DIfindCallback("f.nothing");
  EXPECT_EQ(unknown.action2, NullAction);
  // A command not built yet says so on the terminal and in the message area.
  static std::string shown;
  GCsetDisplayHook([](int, char, const char* text) { shown = text; });
  testing::internal::CaptureStdout();
  EXPECT_EQ(unknown.invoke(nullptr, nullptr, nullptr), 1) << "NullAction only prints its hello";
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n");
  EXPECT_EQ(shown, "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu");
  GCsetDisplayHook(nullptr);
  EXPECT_EQ(DIfindAction("f.nothing"), nullptr);
  EXPECT_EQ(DIfindAction("new"), nullptr) << "names are matched whole";
  DIcallback form = DIfindCallback("f.DIsetForm");
  EXPECT_NE(form.action, nullptr);
}

TEST(ActionTable, EditorWithoutEditorProgramReturnsOne) {
  std::string saved = getenv("PATH") ? getenv("PATH") : "";
  setenv("PATH", "/nonexistent", 1);
  EXPECT_EQ(DIeditor(), 1);
  setenv("PATH", saved.c_str(), 1);
}

// The bundled menu description, read here by a small independent reader:
// every action of the table must be reachable from the menu bar.
TEST(MenuFile, EveryActionIsReachableFromTheMenuBar) {
  std::ifstream f(CVlibDir() + "/Dmenu.txt");
  ASSERT_TRUE(f);
  std::vector<std::string> words;
  std::string w;
  bool started = false;
  while (f >> w) {
    if (w == "MENUBAR") started = true;
    if (started) words.push_back(w);
  }
  struct Entry {
    std::string type, label, third;
  };
  std::map<std::string, std::vector<Entry>> blocks;
  size_t i = 0;
  while (i < words.size()) {
    std::string name = words[i++];
    ASSERT_LT(i, words.size());
    ASSERT_EQ(words[i], "{") << "block " << name;
    ++i;
    std::vector<Entry>& entries = blocks[name];
    while (i < words.size() && words[i] != "}") {
      ASSERT_LE(i + 3, words.size());
      entries.push_back({words[i], words[i + 1], words[i + 2]});
      i += 3;
    }
    ASSERT_LT(i, words.size()) << "block " << name << " not closed";
    ++i;
    EXPECT_LE(entries.size(), 32u) << name;
  }
  std::set<std::string> reached;
  std::set<std::string> menuBar;
  std::vector<std::string> todo;
  for (const Entry& e : blocks["MENUBAR"]) {
    menuBar.insert(e.label);
    ASSERT_TRUE(blocks.count(e.third)) << e.third;
    todo.push_back(e.third);
  }
  std::set<std::string> seen;
  while (!todo.empty()) {
    std::string b = todo.back();
    todo.pop_back();
    if (!seen.insert(b).second) continue;
    for (const Entry& e : blocks[b]) {
      if (e.type == "BUTTON") {
        EXPECT_NE(DIfindAction(e.third.c_str()), nullptr) << e.third;
        reached.insert(e.third);
      } else if (e.type == "PULLDOWN") {
        ASSERT_TRUE(blocks.count(e.third)) << e.third;
        todo.push_back(e.third);
      } else {
        EXPECT_TRUE(e.type == "SEPARATOR" || e.type == "LAYERS") << e.type;
      }
      EXPECT_LT(e.label.size(), 32u);
    }
  }
  for (const char* m : {"File", "View", "Layout", "Extract", "Faults", "Yield", "Symmetry", "Resize", "Options", "Layer"})
    EXPECT_TRUE(menuBar.count(m)) << m;
  for (const _Actionindex& row : DactionIndex) EXPECT_TRUE(reached.count(row.name)) << row.name;
}
