// Rule actions of the technology reader: what a completed rule does in the
// current group. The tables have fixed sizes; a rule that would not fit is
// reported and skipped rather than written past the end.
#include <cstring>

#include "common/message.h"
#include "techc/tech.h"
#include "techc/tech_reader.h"

namespace {
constexpr int maxLayers = DT_MAX_LAYERS - 1;  // the last record is the terminator

int itemCount() {
  int n = 0;
  for (_strings* s = TlistString; s; s = s->next) ++n;
  return n;
}

const char* item(int index) {
  _strings* s = TlistString;
  for (int i = 0; s && i < index; ++i) s = s->next;
  return s ? s->string : nullptr;
}

// True when `text` fits a char[size] field; otherwise reports it.
bool fits(const char* text, size_t size) {
  if (strlen(text) < size) return true;
  GCmessage(GC_MOD_TECH, 'E', "Name %s too long in technology file", text);
  return false;
}

bool roomFor(int count, int limit, const char* what, const char* name) {
  if (count < limit) return true;
  GCmessage(GC_MOD_TECH, 'E', "Too many %s in technology file (at most %d): %s ignored", what, limit, name);
  return false;
}

// Copies the items into a list of layer names; false when one is too long.
bool copyLayerList(const char* name, char (*layers)[64], int* count) {
  int n = itemCount();
  for (int i = 0; i < n; ++i)
    if (!fits(item(i), 64)) return false;
  if (n > DT_MAX_ITEMS) {
    GCmessage(GC_MOD_TECH, 'E', "Rule %s lists more than %d layers in technology file: the rest ignored", name,
              DT_MAX_ITEMS);
    n = DT_MAX_ITEMS;
  }
  for (int i = 0; i < n; ++i) {
    const char* layer = item(i);
    snprintf(layers[i], 64, "%s", layer ? layer : "");
  }
  *count = n;
  return true;
}

void layerRule(const char* name) {
  if (!roomFor(GlayerNum, maxLayers, "layers", name)) return;
  if (itemCount() < 2) {
    GCmessage(GC_MOD_TECH, 'E', "Layer %s needs a colour and a pattern in technology file", name);
    return;
  }
  if (!fits(name, 32) || !fits(item(0), 32) || !fits(item(1), 32)) return;
  int index = GlayerNum;
  _layerDef& def = Glayers[index];
  snprintf(def.name, sizeof def.name, "%s", name);
  snprintf(def.color, sizeof def.color, "%s", item(0));
  snprintf(def.pattern, sizeof def.pattern, "%s", item(1));
  def.layer = def.priority = index;
  def.fillmode = def.showswitch = 1;
  def.mask = index < 5 ? 7 : index < 7 ? 8 : 16;
  DTmakeLayerGC(index);
  GlayerNum++;
}

void elementRule(const char* name) {
  if (!roomFor(DelementNum, DT_MAX_RULES, "elements", name) || !fits(name, 64)) return;
  _Delement& e = Delement[DelementNum];
  if (!copyLayerList(name, e.layers, &e.layerNum)) return;
  snprintf(e.name, sizeof e.name, "%s", name);
  DelementNum++;
}

void portRule(const char* name) {
  for (int i = 0; i < DelementNum; ++i)
    if (strcmp(Delement[i].name, name) == 0) {
      copyLayerList(name, Delement[i].portlayers, &Delement[i].portLayerNum);
      return;
    }
}

void connectionRule(const char* name) {
  if (itemCount() < 3) {
    GCmessage(GC_MOD_TECH, 'E', "Connection %s error in technology file", name);
    return;
  }
  if (!roomFor(DconNum, DT_MAX_RULES, "connections", name)) return;
  if (!fits(name, 64) || !fits(item(0), 64) || !fits(item(1), 64) || !fits(item(2), 64)) return;
  _Dconnect& c = Dconnect[DconNum];
  snprintf(c.name, sizeof c.name, "%s", name);
  snprintf(c.lowerLayer, sizeof c.lowerLayer, "%s", item(0));
  snprintf(c.conLayer, sizeof c.conLayer, "%s", item(1));
  snprintf(c.upperLayer, sizeof c.upperLayer, "%s", item(2));
  DconNum++;
}

void passiveRule(const char* name, const char* what, _DpassiveDef* table, int* count) {
  if (!roomFor(*count, DT_MAX_RULES, what, name) || !fits(name, 64)) return;
  _DpassiveDef& d = table[*count];
  if (!copyLayerList(name, d.layers, &d.layerNum)) return;
  snprintf(d.name, sizeof d.name, "%s", name);
  (*count)++;
}
}  // namespace

void DTrdRule(const char* name) {
  if (strcmp(theGroup, "layers:") == 0)
    layerRule(name);
  else if (strcmp(theGroup, "elements:") == 0)
    elementRule(name);
  else if (strcmp(theGroup, "ports:") == 0)
    portRule(name);
  else if (strcmp(theGroup, "connections:") == 0)
    connectionRule(name);
  else if (strcmp(theGroup, "inductors:") == 0)
    passiveRule(name, "inductors", LXindDefinition, &LXindDefNum);
  else if (strcmp(theGroup, "capacitors:") == 0)
    passiveRule(name, "capacitors", CXcapDefinition, &CXcapDefNum);
  else if (strcmp(theGroup, "resistors:") == 0)
    passiveRule(name, "resistors", RXresDefinition, &RXresDefNum);
  DTfreeItems();
}
