#include "extract_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "batch/batch_startup.h"
#include "common/layout.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "interface/accept.h"
#include "techc/tech.h"

void startExtractSession() {
  BAstartup();  // with the default technology of the settings file
  CSreset();
  DExReset();
  ASSERT_GE(DelementNum, 2);
}

void loadGenerated(const CvLayout& layout, const std::string& name) {
  std::string dir = std::string(CORVID_BINARY_DIR) + "/ext_layouts";
  std::filesystem::create_directories(dir);
  std::string path = dir + "/" + name + ".cif";
  ASSERT_TRUE(layout.writeCif(path));
  DIacceptCB(12, path.c_str());
}

ConnectivityModel modelOfFlatLayout() {
  std::vector<ModelRect> rects;
  if (Gflatten)
    for (int l = 0; l < GC_MAX_SLOTS; ++l) {
      _symbol* s = Gflatten->symbol[l];
      if (!s) continue;
      for (_rects* r = s->rect; r; r = r->next) rects.push_back({Glayers[l].name, r->x1, r->y1, r->x2, r->y2});
    }
  std::vector<ModelElement> elements;
  for (int e = 0; e < DelementNum; ++e) {
    ModelElement m;
    for (int j = 0; j < Delement[e].layerNum; ++j) m.layers.push_back(Delement[e].layers[j]);
    elements.push_back(m);
  }
  std::vector<ModelConnection> connections;
  for (int c = 0; c < DconNum; ++c)
    connections.push_back({Dconnect[c].lowerLayer, Dconnect[c].conLayer, Dconnect[c].upperLayer});
  return ConnectivityModel(rects, elements, connections);
}

std::vector<_Dtransistor*> allTransistors() {
  std::vector<_Dtransistor*> all;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors ? Transistors[e] : nullptr; t; t = t->next) all.push_back(t);
  return all;
}

namespace {
double cx(_Dtile* t) { return (t->x1 + TileRight(t)) / 2.0; }
double cy(_Dtile* t) { return (t->y1 + TileTop(t)) / 2.0; }

// Net numbers of the extraction and of the model must correspond one to one.
struct NetCorrespondence {
  std::map<long, int> toModel;
  std::map<int, long> toExtracted;
  void expect(long extracted, int model, const char* what, const _Dtransistor* t) {
    auto a = toModel.emplace(extracted, model);
    auto b = toExtracted.emplace(model, extracted);
    EXPECT_EQ(a.first->second, model) << what << " of " << t->name << ": net n" << extracted
                                      << " joins two model nets";
    EXPECT_EQ(b.first->second, extracted) << what << " of " << t->name
                                          << ": one model net split into n" << b.first->second
                                          << " and n" << extracted;
  }
};
}  // namespace

void expectMatchesModel(const ConnectivityModel& model) {
  std::vector<_Dtransistor*> ts = allTransistors();
  const auto& mts = model.transistors();
  ASSERT_EQ(ts.size(), mts.size());
  ASSERT_EQ(static_cast<size_t>(TransNum), mts.size());
  std::set<int> matched;
  NetCorrespondence nets;
  std::string active = Delement[0].layers[0], gate = Delement[0].layers[1];
  for (_Dtransistor* t : ts) {
    int i = model.transistorAt(cx(t->Tgate), cy(t->Tgate));
    ASSERT_GE(i, 0) << t->name << " has no gate area in the model";
    EXPECT_TRUE(matched.insert(i).second) << "two transistors on one model gate";
    const ModelTransistor& m = mts[i];
    EXPECT_EQ(t->width, m.y2 - m.y1) << t->name;
    EXPECT_EQ(t->length, m.x2 - m.x1) << t->name;
    EXPECT_EQ(t->type, m.element == 0 ? 0 : 1) << t->name;
    _Dtile* g = DExGatePolyTile(t);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->node, t->gate);
    nets.expect(t->gate, m.gateNet, "gate", t);
    ASSERT_NE(t->Tsource, nullptr);
    int s = model.netAt(active, cx(t->Tsource), cy(t->Tsource));
    EXPECT_EQ(t->Tsource->node, t->source);
    nets.expect(t->source, s, "source", t);
    std::set<int> regions{model.regionAt(cx(t->Tsource), cy(t->Tsource))};
    if (t->Tdrain) {
      int d = model.netAt(active, cx(t->Tdrain), cy(t->Tdrain));
      EXPECT_EQ(t->Tdrain->node, t->drain);
      nets.expect(t->drain, d, "drain", t);
      regions.insert(model.regionAt(cx(t->Tdrain), cy(t->Tdrain)));
    }
    std::set<int> around(m.diffusionRegions.begin(), m.diffusionRegions.end());
    for (int r : regions) EXPECT_TRUE(around.count(r)) << t->name << ": terminal not beside its gate";
    EXPECT_EQ(regions.size(), std::min<size_t>(around.size(), 2)) << t->name;
    EXPECT_EQ(t->Tdrain != nullptr, around.size() >= 2) << t->name;
  }
}
