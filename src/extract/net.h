// Extracted nets: records, tracing across planes, terminal lists, label and
// user names, and the net check.
#pragma once

#include "common/layout.h"
#include "cs/cs.h"

struct _Dtransistor;
class Graph;
class ConnElemList;

struct _Dnet {
  char name[16];            // "n" followed by the number
  long node;                // the net number, from 1
  _Dtilelist* tilelist;     // every tile of the net, over all planes
  Graph* graph;             // the net's RC graph, when one was built
  ConnElemList* connElemList;  // device terminals on the net (passive-aware extraction)
  _Dnet* next;
};

struct _DtermList {
  _Dtransistor* transistor;
  _Dtile* tile;
  int no;        // 1-based position in the list
  short port;    // 0 gate, 1 source, 2 drain
  short visited;
  _DtermList* next;
};

struct _DtransList {
  _Dtransistor* transistor;
  _DtransList* next;
};

extern _Dnet* Nets;            // newest first
extern int NetsNum;
extern _Dtilelist* NetTileList;  // tiles of the trace in progress
extern _DnameTable* NetNameTable;  // user and label names, newest first
extern _DtransList* TransList;   // transistors met while tracing when RecordTerm is 1
extern int RecordTerm;

// Tracing of net n from a tile, over its plane and through contact links.
void DExPath(_Dtile* tile, long n);
void AllNeighbor(_Dtile* tile, _Dtilelist** front, long n, _Dtilelist** up, _Dtilelist** down);
void ListNeighbor(_Dtilelist* front, _Dtilelist** result, long n, _Dtilelist** up,
                  _Dtilelist** down);
_Dtilelist* TlistCat(_Dtilelist* list, _Dtilelist* links, long n);
void DErecordTrans(_Dtransistor* transistor);
void DExFreeTransList();

// Makes a net record for the tiles just traced (takes over NetTileList) and
// puts it at the head of Nets.
_Dnet* DExNewNet(long n);
void DExFreeNets();

// Terminal lists (fault extraction).
inline constexpr int DEX_MAX_TERMINALS = 32;
_DtermList* DExTermList(_Dtilelist* nettiles, _DtransList* translist);
bool DExTinList(_Dtile* tile, _Dtilelist* nettiles);
_DtermList* DExInsertTerm(_DtermList* list, _DtermList* term);
void DExFreeTerm(_DtermList* list);
_Dtilelist* DExDupList(_Dtilelist* list);

// Names.
void DExCrtNameTb();
const char* DExNetName(long n);
void DExAddNetName(long n, const char* name);  // a new entry at the head of NetNameTable
void DExFreeNameTable();

// The net check: a net holding a space tile ends the program.
void DExVerifyNets();

// User names and terminals (f.DExNameNet, f.DExDefIO): the search for a net
// tile under a world point, and the terminal records hung on tiles.
void DExDefIOExe(long x, long y);
void DExNameNetExe(long x, long y);
void DExFreeTerminalRecords();

// Commands (action-table handlers; the Exe halves take the picked world point).
int DExOutput();
int DExDefIO(char* name);
int DExNameNet(char* name);
int DExShowObj();
int DExSelectNetTileObj();
void DExShowObjExe(long x, long y);
void DExSelectNetTileObjExe(long x, long y);
int DExShowANet();
int DExShowATran();
void DExSearchNet(long n);
