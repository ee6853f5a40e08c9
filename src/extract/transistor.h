// Extracted MOS transistors: the records, the per-element lists, the name hash
// and the command that recognises them in the tile planes.
#pragma once

#include "cs/cs.h"

class MultiFingerTran;

struct _Dtransistor {
  char name[16];            // "m" followed by the number
  short type;               // 0 P-channel (element 0), 1 N-channel (any other element)
  int number;               // from 1; -1 marks a user-defined terminal record
  int gate, source, drain;  // net numbers, 0 until traced
  int width, length;        // layout units: gate height and gate width
  int orientation;          // 1 side by side along x, -1 stacked along y, 0 neither
  int resize_width, resize_length, resize_drain_ext, resize_source_ext;
  int resize_Pside1_ext, resize_Pside2_ext;
  short resize_act_poly_flag;
  char gatenode[16], sourcenode[16], drainnode[16];
  MultiFingerTran* multifingerTran;
  int no_contact_row;
  _Dtile* Tgate;    // element tile of the active plane
  _Dtile* Tsource;  // active-plane tiles of the two diffusion regions
  _Dtile* Tdrain;   // may be null
  _Dtile* Pgate;    // gate-layer tiles in the plane "CPG"
  _Dtile* Pside1;
  _Dtile* Pside2;
  _Dtransistor* next;  // next (older) transistor of the same element
};

// One list head per element (DelementNum entries), newest first.
extern _Dtransistor** Transistors;
extern int TransNum;

// Empties the transistor and net tables (called whenever planes are built).
void DExInit();
// Module reset: no transistors, nets, names or terminals, and no table (the
// next extraction makes one).
void DExReset();
// f.DExCir: recognise transistors, then trace and number the nets on their terminals.
int DExCir();

short DExElementNo(_Dtile* tile);
_box* DExGSD(_Dtile* tile, short element, _Dtile** gate, _Dtile** source, _Dtile** drain,
             int check);
bool TisPortTile(_Dtile* tile, short element, int check);
void AllNeighborGSD(_Dtile* tile, _Dtilelist** list, long node, int sameType);
void ListNeighborGSD(_Dtilelist* list, _Dtilelist** result, long node, int sameType);

// The transistor (or user terminal record) hung on a tile: an element tile keeps
// it in `lower`, any other tile in `next`.
_Dtransistor* DExTileTransistor(_Dtile* tile);
// The gate-layer tile under a transistor's gate (at Tgate's lower-left corner
// plus one unit, in the plane of the gate layer), or null.
_Dtile* DExGatePolyTile(const _Dtransistor* t);
