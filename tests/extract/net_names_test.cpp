// Net names from labels and from the user, the netlist files and the
// terminal lists, through the one-step load of generated layouts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "common/layout.h"
#include "common/message.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "extract_session.h"
#include "interface/accept.h"
#include "interface/switch_commands.h"
#include "support/run_program.h"
#include "techc/tech.h"

namespace {
class NetNames : public ::testing::Test {
 protected:
  void SetUp() override { startExtractSession(); }

  // Runs the test body's file output in a directory of its own.
  static void enterScratchDirectory() { ASSERT_EQ(chdir(CVscratchDir().c_str()), 0); }
};

// The GND rail of an inverter at the origin runs from y = -400 to -240
// (internal units), x = -160 .. 960.
long gndNet() {
  for (_Dtransistor* t : allTransistors())
    if (t->type == 1) return t->source;
  return 0;
}

TEST_F(NetNames, LabelNamesItsNetWithinFiftyUnits) {
  CvLayout l;
  l.inverter(0, 0);
  // The GND rail's bottom edge is at CIF y -100, the VDD rail's top edge at
  // CIF y 440; a CIF unit is 4 internal units. NEAR is 48 units below GND,
  // FAR 52 units above VDD.
  std::string cif = l.cif();
  cif.replace(cif.find("E\n"), 2, "94 NEAR 100 -112 CMF;\n94 FAR 100 453 CMF;\nE\n");
  std::string path = CVscratchDir() + "/labels_distance.cif";
  CVwriteFile(path, cif);
  DIacceptCB(12, path.c_str());
  ASSERT_EQ(TransNum, 2);
  ASSERT_NE(DExNetName(gndNet()), nullptr);
  EXPECT_STREQ(DExNetName(gndNet()), "NEAR");
  EXPECT_EQ(DExNetName(Transistors[0]->source), nullptr);
  int entries = 0;
  for (_DnameTable* e = NetNameTable; e; e = e->next) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(NetNames, FewerUnderscoresWinThenTheLaterLabel) {
  CvLayout l;
  l.inverter(0, 0);
  l.label("G_ND", "CMF", 0, -4);
  l.label("GND", "CMF", 2, -4);
  l.label("G_N_D", "CMF", 4, -4);
  l.label("VDDA", "CMF", 0, 21);
  l.label("VDDB", "CMF", 2, 21);
  loadGenerated(l, "labels_precedence");
  ASSERT_EQ(TransNum, 2);
  EXPECT_STREQ(DExNetName(gndNet()), "GND");
  // Between equal underscore counts the label taken later wins.
  int layer = -1;
  for (int i = 0; i < GlayerNum; ++i)
    if (std::string(Glayers[i].name) == "CMF") layer = i;
  ASSERT_GE(layer, 0);
  std::string later;
  for (_labels* lb = Gflatten->symbol[layer]->label; lb; lb = lb->next)
    if (std::string(lb->label).rfind("VDD", 0) == 0) later = lb->label;
  long vdd = Transistors[0]->source;
  ASSERT_NE(DExNetName(vdd), nullptr);
  EXPECT_EQ(later, DExNetName(vdd));
}

// With labels switched off the same file gives net numbers only.
TEST_F(NetNames, CircuitNetLinesOfAnInverterWithAndWithoutLabels) {
  enterScratchDirectory();
  CvLayout l;
  l.inverterChain(1);
  loadGenerated(l, "inverter_net");
  ASSERT_EQ(DExOutput(), 1);
  ASSERT_EQ(TransNum, 2);
  char expected[200];
  snprintf(expected, sizeof expected,
           "%d PMOS w=320.00u l=160.00u (in VDD out)\n%d NMOS w=320.00u l=160.00u (in GND out)\n",
           Transistors[0]->number, Transistors[1]->number);
  EXPECT_EQ(CVreadFile("circuit.net"), expected);
  FsetLabels = 0;
  ASSERT_EQ(DExOutput(), 1);
  std::string numbered = CVreadFile("circuit.net");
  EXPECT_EQ(numbered.find("VDD"), std::string::npos);
  EXPECT_EQ(numbered.find("in"), std::string::npos);
  EXPECT_NE(numbered.find("(n"), std::string::npos);
}

// The nets of circuit.net and of the SPICE twin must be the same partition of
// the terminals (names made unique in SPICE), with W and L in micrometres.
TEST_F(NetNames, SpiceTwinMatchesCircuitNet) {
  enterScratchDirectory();
  CvLayout l;
  l.inverterChain(3);
  l.diffPairMirror(70, 0);
  l.verticalTransistor(0, 40);
  l.label("n1", "CMF", 70, 21);  // a label that looks like a generated name
  loadGenerated(l, "spice");
  // Numbers in circuit.net (the same labels name several nets here), names in SPICE.
  FsetLabels = 0;
  ASSERT_EQ(DExOutput(), 1);
  std::map<int, std::vector<std::string>> net, spice;
  std::map<int, std::pair<double, double>> size;
  std::istringstream a(CVreadFile("circuit.net"));
  for (std::string line; std::getline(a, line);) {
    int number;
    char element[64], g[64], s[64], d[64];
    double w, len;
    ASSERT_EQ(sscanf(line.c_str(), "%d %63s w=%lfu l=%lfu (%63s %63s %63[^)])", &number, element, &w,
                     &len, g, s, d),
              7)
        << line;
    net[number] = {g, s, d};
    size[number] = {w, len};
  }
  std::istringstream b(CVreadFile("circuit.spice"));
  std::set<std::string> ports;
  bool ended = false;
  bool header = false;
  for (std::string line; std::getline(b, line);) {
    if (line.rfind(".SUBCKT", 0) == 0 || (header && line.rfind("+", 0) == 0)) {
      std::istringstream words(line);
      std::string w;
      words >> w;
      if (!header) words >> w;
      while (words >> w) ports.insert(w);
      header = true;
      continue;
    }
    header = false;
    if (line == ".ENDS circuit") ended = true;
    if (line.empty() || line[0] != 'M') continue;
    int number;
    char d[64], g[64], s[64], bulk[64], model[64];
    double w, len;
    ASSERT_EQ(sscanf(line.c_str(), "M%d %63s %63s %63s %63s %63s W=%lfu L=%lfu", &number, d, g, s, bulk,
                     model, &w, &len),
              8)
        << line;
    spice[number] = {g, s, d};
    ASSERT_TRUE(size.count(number));
    // Vertical transistors exchange the two (channel width runs along x there).
    double a = size[number].first * 0.1 / 40, c = size[number].second * 0.1 / 40;
    EXPECT_TRUE((fabs(w - a) < 1e-6 && fabs(len - c) < 1e-6) || (fabs(w - c) < 1e-6 && fabs(len - a) < 1e-6))
        << line;
    EXPECT_TRUE(ports.count(bulk)) << bulk;
  }
  EXPECT_TRUE(ended);
  ASSERT_EQ(net.size(), spice.size());
  std::map<std::string, std::string> forward, backward;
  for (auto& [number, terms] : net)
    for (int k = 0; k < 3; ++k) {
      const std::string &x = terms[k], &y = spice[number][k];
      EXPECT_EQ(forward.emplace(x, y).first->second, y) << x;
      EXPECT_EQ(backward.emplace(y, x).first->second, x) << y;
    }
  EXPECT_TRUE(ports.count("VDD"));
  // Vertical gates are 4 lambda wide (x) and 2 high: w 160 and l 320 units in
  // circuit.net, but a 0.8 um wide, 0.4 um long channel in SPICE, like every other
  // transistor here.
  CVexpectHas(CVreadFile("circuit.net"), {" NMOS w=160.00u l=320.00u "});
  EXPECT_FALSE(CVhas(CVreadFile("circuit.spice"), "W=0.4u L=0.8u")) << CVreadFile("circuit.spice");
}

// A poly line over N separate diffusions: N gate terminals on one net.
void gateComb(CvLayout& l, int n) {
  for (int i = 0; i < n; ++i) l.box("CAA", 0, 6 * i, 10, 6 * i + 4);
  l.box("CSN", -1, -1, 11, 6 * n);
  l.box("CPG", 4, -1, 6, 6 * n);
}

// Retraces the net of `start` with negated numbers, recording the transistors
// met, as fault extraction does, and returns its terminal list.
_DtermList* terminalsOfNet(_Dtile* start) {
  const long net = start->node;
  NetTileList = nullptr;
  DExFreeTransList();
  RecordTerm = 1;
  DExPath(start, -net);
  RecordTerm = 0;
  _Dtilelist* tiles = NetTileList;
  NetTileList = nullptr;
  _DtermList* terms = DExTermList(tiles, TransList);
  for (_Dtilelist* c = tiles; c; c = c->next) c->tile->node = net;
  FreeList(tiles);
  return terms;
}
_DtermList* combTerminals() { return terminalsOfNet(DExGatePolyTile(Transistors[1])); }

// Thirty-one terminals make a list; thirty-two are too many and give none.
// A diffusion net lists its drains; thirty-one gate terminals make a list,
// thirty-two are too many and give none.
TEST_F(NetNames, TerminalListsOfDiffusionAndGateNets) {
  CvLayout inverter, l31, l32;
  inverter.inverterChain(1);
  loadGenerated(inverter, "terms");
  _DtermList* terms = terminalsOfNet(Transistors[1]->Tdrain);  // the output net
  std::set<std::pair<int, int>> seen;
  for (_DtermList* t = terms; t; t = t->next) seen.insert({t->transistor->number, t->port});
  EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{1, 2}, {2, 2}}));
  DExFreeTerm(terms);
  gateComb(l31, 31);
  loadGenerated(l31, "comb31");
  ASSERT_EQ(TransNum, 31);
  terms = combTerminals();
  int count = 0;
  for (_DtermList* t = terms; t; t = t->next) {
    EXPECT_EQ(t->no, ++count);
    EXPECT_EQ(t->port, 0);
  }
  EXPECT_EQ(count, 31);
  DExFreeTerm(terms);
  gateComb(l32, 32);
  loadGenerated(l32, "comb32");
  ASSERT_EQ(TransNum, 32);
  EXPECT_EQ(combTerminals(), nullptr);
  EXPECT_EQ(GClastSeverity(), 'W');
}

TEST_F(NetNames, LongLabelEndsTheProgram) {
  CvLayout l;
  l.inverter(0, 0);
  l.label(std::string(70, 'L'), "CMF", 0, -4);
  EXPECT_EXIT(loadGenerated(l, "longlabel"), ::testing::ExitedWithCode(1), "");
}

TEST_F(NetNames, NetHoldingSpaceEndsTheProgram) {
  CvLayout l;
  l.inverter(0, 0);
  loadGenerated(l, "space");
  ASSERT_NE(Nets, nullptr);
  Nets->tilelist->tile->type = 31;
  EXPECT_EXIT(DExVerifyNets(), ::testing::ExitedWithCode(1), "");
}

}  // namespace
