// Technology tables: layers (with colour, fill pattern and defect parameters),
// elements (devices and their port layers), contact connections and the layer
// lists of passive devices. Filled by the technology reader.
#pragma once

inline constexpr int DT_MAX_LAYERS = 32;  // 31 usable + terminator
inline constexpr int DT_MAX_RULES = 8;    // elements, connections, passives
inline constexpr int DT_MAX_ITEMS = 32;   // layers named in one rule

struct _layerDef {
  void* w;                  // the layer's button in the layer panel (GUI), null until made
  char name[32];            // CIF layer name
  char sname[32];
  int layer;                // = index in Glayers, the slot index in every cell
  void* gc;                 // the canvas's drawing context for the layer (opaque to the core)
  char color[32];
  unsigned long pixmap;     // fill stipple handle (opaque to the core)
  char pattern[32];         // bitmap file name below IconPath
  int fillmode;             // 1 stippled, 0 solid
  int showswitch;           // 1 drawn
  int active;               // 1 = active layer for fault and yield commands
  int priority;             // drawing order
  int mask;
  float X0, D0, Y0, alfa;   // defect parameters
};

struct _Delement {
  char name[64];
  int layerNum;
  char layers[DT_MAX_ITEMS][64];
  int portLayerNum;
  char portlayers[DT_MAX_ITEMS][64];
};

struct _Dconnect {
  char name[64];
  char conLayer[64];
  char lowerLayer[64];
  char upperLayer[64];
};

// Layer lists of passive devices (inductors, capacitors, resistors).
struct _DpassiveDef {
  char name[64];
  int layerNum;
  char layers[DT_MAX_ITEMS][64];
};
using _LX_IND_DEF_ = _DpassiveDef;
using _CX_CAPDEFINITION_ = _DpassiveDef;
using _RX_RESDEFINITION_ = _DpassiveDef;

extern _layerDef Glayers[DT_MAX_LAYERS];
extern int GlayerNum;
extern _Delement Delement[DT_MAX_RULES];
extern int DelementNum;
extern _Dconnect Dconnect[DT_MAX_RULES];
extern int DconNum;
extern _LX_IND_DEF_ LXindDefinition[DT_MAX_RULES];
extern int LXindDefNum;
extern _CX_CAPDEFINITION_ CXcapDefinition[DT_MAX_RULES];
extern int CXcapDefNum;
extern _RX_RESDEFINITION_ RXresDefinition[DT_MAX_RULES];
extern int RXresDefNum;

// Index of the layer named `name` in Glayers, or -1.
int DTlayerIndex(const char* name);
// Index of the active layer (the layer for fault and yield commands), or -1.
int DTactiveLayer();
// Module reset: empty tables, no reader state, no fill patterns, the default
// maker of layer drawing contexts.
void DTreset();
