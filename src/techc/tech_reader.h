// The technology file reader: a scanner and parser for the grammar
//   file  := { group-header | rule }
//   rule  := NAME ITEM { ITEM } ";"
// where NAME is a word at the very beginning of a line, ITEM any other word,
// and a rule's items may continue on lines that begin with a blank.
#pragma once
#include <cstdio>

struct _strings {
  char* string;
  _strings* next;
};

// Reader state.
extern char theGroup[32];      // current group header ("layers:", ...), empty before the first
extern _strings* TlistString;  // items of the current rule, in order
extern _strings* TlistTail;
extern FILE* techin;           // the file being read; TECHparse closes it
extern int techlinenr;         // line counter for error reports

// Empties every table count and the item list.
void DTrdInit();
// Parses techin to its end and closes it: 0 on success, 1 on a syntax error
// (the tables keep what the rules before the error filled).
int TECHparse();
// Parser actions.
void DTrdGroup(const char* text);
void DTrdList(const char* item);
void DTrdRule(const char* name);
// "error character <line> <token>: <message>" on the error stream.
void techerror(const char* message);

// Makes the drawing context of a freshly read layer (DIlayerGC by default;
// replaceable so that the reader can be exercised without pattern files).
using DTlayerGCMaker = void (*)(int layer);
void DTsetLayerGCMaker(DTlayerGCMaker maker);

// Used by the rule actions: free the current item list; make a layer's context.
void DTfreeItems();
void DTmakeLayerGC(int layer);
