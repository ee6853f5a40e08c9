// The module include graph of src/ against the layer order documented in
// docs/architecture.md: an include may go to the module's own layer or one
// below, never up, and the modules of one layer must not include each other
// in a circle. The Motif front end (src/<module>/x11/) sits on top of
// everything and is not checked.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
// Modules by layer, lowest first, from the ```layers block of the document.
std::map<std::string, int> readLayers(const fs::path& doc) {
  std::ifstream in(doc);
  std::map<std::string, int> layer;
  std::string line;
  bool inside = false;
  int number = 0;
  while (std::getline(in, line)) {
    if (!inside) {
      inside = line == "```layers";
      continue;
    }
    if (line.rfind("```", 0) == 0) break;
    std::istringstream words(line);
    std::string module;
    bool any = false;
    while (words >> module) layer[module] = number, any = true;
    if (any) ++number;
  }
  return layer;
}

struct Include {
  std::string from, to, where;  // modules, and "file:line: text"
};

std::vector<Include> moduleIncludes(const fs::path& src) {
  std::vector<Include> found;
  static const std::regex directive(R"re(^\s*#\s*include\s*"([^/"]+)/[^"]*")re");
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path rel = fs::relative(entry.path(), src);
    const std::string relText = rel.generic_string();
    if (relText.find("/x11/") != std::string::npos) continue;
    const std::string from = rel.begin()->string();
    std::ifstream in(entry.path());
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      std::smatch m;
      if (!std::regex_search(line, m, directive) || m[1] == from || !fs::is_directory(src / m[1].str())) continue;
      found.push_back({from, m[1], "src/" + relText + ":" + std::to_string(n) + ": " + line});
    }
  }
  return found;
}

// Everything wrong with the tree, one line each.
std::vector<std::string> violations(const fs::path& src, const std::map<std::string, int>& layer) {
  std::vector<std::string> out;
  std::set<std::string> modules;
  for (const auto& entry : fs::directory_iterator(src))
    if (entry.is_directory()) modules.insert(entry.path().filename().string());
  for (const std::string& m : modules)
    if (!layer.count(m)) out.push_back("module " + m + " has no layer in docs/architecture.md");
  if (!out.empty()) return out;

  std::map<std::string, std::map<std::string, std::string>> edges;  // from -> to -> first include
  for (const Include& inc : moduleIncludes(src)) {
    if (layer.at(inc.to) > layer.at(inc.from))
      out.push_back(inc.where + "  (upward: " + inc.from + " is below " + inc.to + ")");
    edges[inc.from].emplace(inc.to, inc.where);
  }
  // A circle among the modules: depth-first search, reporting each back edge's circle.
  std::map<std::string, int> state;  // 0 new, 1 on the path, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& m) {
    state[m] = 1;
    path.push_back(m);
    for (const auto& [to, where] : edges[m]) {
      if (state[to] == 1) {
        std::string circle = "cycle:";
        auto start = std::find(path.begin(), path.end(), to);
        for (auto it = start; it != path.end(); ++it) {
          const std::string& next = it + 1 != path.end() ? *(it + 1) : to;
          circle += "\n  " + edges[*it][next];
        }
        out.push_back(circle);
      } else if (state[to] == 0) {
        visit(to);
      }
    }
    path.pop_back();
    state[m] = 2;
  };
  for (const std::string& m : modules)
    if (state[m] == 0) visit(m);
  return out;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

void write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}
}  // namespace

TEST(IncludeGraph, SourceTreeFollowsTheDocumentedLayers) {
  const fs::path root = CORVID_SOURCE_DIR;
  const auto layer = readLayers(root / "docs/architecture.md");
  ASSERT_GT(layer.size(), 10u) << "no ```layers block in docs/architecture.md";
  const auto wrong = violations(root / "src", layer);
  EXPECT_TRUE(wrong.empty()) << joined(wrong);
}

// The check itself finds an upward include, a circle within a layer, and a
// module nobody placed; the front end's x11 files are exempt.
TEST(IncludeGraph, ReportsUpwardIncludesCirclesAndUnplacedModules) {
  const fs::path tree = fs::temp_directory_path() / ("corvid_graph_" + std::to_string(::getpid()));
  fs::remove_all(tree);
  write(tree / "doc.md", "text\n```layers\nlow\nmid other\nhigh\n```\n");
  write(tree / "src/low/a.cpp", "#include \"low/a.h\"\n#include \"high/h.h\"\n");
  write(tree / "src/mid/b.cpp", "#include \"other/c.h\"\n#include \"low/a.h\"\n");
  write(tree / "src/other/c.cpp", " #  include \"mid/b.h\"\n");
  write(tree / "src/high/d.cpp", "\n");
  write(tree / "src/low/x11/glue.cpp", "#include \"high/h.h\"\n");
  const auto layer = readLayers(tree / "doc.md");
  const std::string found = joined(violations(tree / "src", layer));
  EXPECT_NE(found.find("src/low/a.cpp:2: #include \"high/h.h\"  (upward: low is below high)"), std::string::npos) << found;
  EXPECT_NE(found.find("cycle:\n"), std::string::npos) << found;
  EXPECT_NE(found.find("  src/mid/b.cpp:1: #include \"other/c.h\"\n"), std::string::npos) << found;
  EXPECT_NE(found.find("  src/other/c.cpp:1:  #  include \"mid/b.h\"\n"), std::string::npos) << found;
  EXPECT_EQ(found.find("x11"), std::string::npos) << found;
  EXPECT_EQ(found.find("b.cpp:2"), std::string::npos) << found;  // downward, in no circle

  write(tree / "src/stray/e.cpp", "\n");
  EXPECT_EQ(joined(violations(tree / "src", layer)), "module stray has no layer in docs/architecture.md\n");
  fs::remove_all(tree);
}
