// The menu description file: blocks of (type, label, action-or-submenu)
// entries, the first named MENUBAR, turned into the menu tree from which the
// Motif program builds its menu bar and the batch program checks its names.
#pragma once
#include <cstdio>
#include <string>

#include "interface/action_table.h"

inline constexpr int DI_MENU_ENTRIES = 32;

struct _Menulist {
  char type[32];
  char label[32];
  char submenu[32];
};

struct _Menustruct {
  char name[32];
  int num;
  _Menulist list[DI_MENU_ENTRIES];
  _Menustruct* next;
};

enum DIbuttonType { DI_PUSH_BUTTON = 0, DI_PULLDOWN = 1, DI_SEPARATOR = 2 };

struct _Buttons {
  void* w;
  void* cascade;
  char label[32];
  int type;
  DIcallback callback;
  char* client_data;
  _Buttons* pulldown;
  _Buttons* next;
};

struct _Menutree {
  void* w;
  void* cascade;
  char label[32];
  _Buttons* buttonlist;
  _Menutree* brother;
};

extern _Menutree* Dmenu;

// Reads the MenuFile setting's file and builds Dmenu (fatal on errors, status 1).
void DImenuInit();
// The same from a named file (tests, other front ends).
void DImenuRead(const char* path);
// Parses the blocks of an open file; the list is in file order. A format
// error is fatal (status 1), or, when `error` is given, returns null with the
// message in it.
_Menustruct* DIreadMenuBlocks(FILE* file, std::string* error = nullptr);
_Menustruct* DIfindButton(_Menustruct* menus, const char* name);
// The menu tree of the blocks; errors as for DIreadMenuBlocks.
_Menutree* DImenuData(_Menustruct* menus, std::string* error = nullptr);
void DIfreeMenuTreeList(_Menutree* tree);
void DIfreeMenuStruct(_Menustruct* menus);
void DIfreeMenuTree();
