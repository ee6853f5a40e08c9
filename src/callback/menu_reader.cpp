#include "callback/menu_reader.h"

#include <cstring>

#include "callback/layer_panel.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/settings.h"
#include "techc/tech.h"

_Menutree* Dmenu = nullptr;

namespace {
// Submenus nest through PULLDOWN entries; a cycle would never end.
constexpr int MAX_MENU_DEPTH = 16;

bool readWord(FILE* f, char* word) { return fscanf(f, "%31s", word) == 1; }

void copyName(char* dst, const char* src) { snprintf(dst, 32, "%s", src); }

_Buttons* newButton(const char* label, int type) {
  auto* b = GCnew<_Buttons>();
  copyName(b->label, label);
  b->type = type;
  return b;
}

_Buttons* buildBlock(_Menustruct* menus, _Menustruct* block, int depth);

_Buttons* layerButtons() {
  _Buttons* head = nullptr;  // pushed at the front: reverse table order
  for (int i = 0; i < GlayerNum; ++i) {
    _Buttons* b = newButton(Glayers[i].name, DI_PUSH_BUTTON);
    b->callback.action = DIsetActive;
    b->client_data = GCstrcpy(Glayers[i].name);
    b->next = head;
    head = b;
  }
  return head;
}

_Menustruct* findSubmenu(_Menustruct* menus, const char* name) {
  _Menustruct* m = DIfindButton(menus, name);
  if (!m) GCfatal(GC_MOD_INTERFACE, 1, "Can't find the %s submenu", name);
  return m;
}

_Buttons* buildBlock(_Menustruct* menus, _Menustruct* block, int depth) {
  if (depth > MAX_MENU_DEPTH) GCfatal(GC_MOD_INTERFACE, 1, "Menu description error: %s", block->name);
  _Buttons* head = nullptr;
  _Buttons** tail = &head;
  for (int i = 0; i < block->num; ++i) {
    const _Menulist& e = block->list[i];
    _Buttons* b;
    if (strcmp(e.type, "BUTTON") == 0) {
      b = newButton(e.label, DI_PUSH_BUTTON);
      b->callback = DIfindCallback(e.submenu);
      b->client_data = GCstrcpy(e.label);
    } else if (strcmp(e.type, "PULLDOWN") == 0) {
      b = newButton(e.label, DI_PULLDOWN);
      b->pulldown = buildBlock(menus, findSubmenu(menus, e.submenu), depth + 1);
    } else if (strcmp(e.type, "SEPARATOR") == 0) {
      b = newButton(e.label, DI_SEPARATOR);
    } else if (strcmp(e.type, "LAYERS") == 0) {
      b = newButton(e.submenu, DI_PULLDOWN);
      b->pulldown = layerButtons();
    } else {
      GCfatal(GC_MOD_INTERFACE, 1, "Menu description error: %s", e.type);
    }
    *tail = b;
    tail = &b->next;
  }
  return head;
}

void freeButtons(_Buttons* b) {
  while (b) {
    _Buttons* next = b->next;
    freeButtons(b->pulldown);
    GCstrfree(b->client_data);
    GCdelete(b);
    b = next;
  }
}
}  // namespace

_Menustruct* DIreadMenuBlocks(FILE* f) {
  char word[32];
  bool found = false;
  while (readWord(f, word))
    if (strcmp(word, "MENUBAR") == 0) {
      found = true;
      break;
    }
  if (!found) GCfatal(GC_MOD_INTERFACE, 1, "Can't find the %s submenu", "MENUBAR");
  _Menustruct* head = nullptr;
  _Menustruct** tail = &head;
  char name[32];
  copyName(name, word);
  for (;;) {
    char brace[32];
    if (!readWord(f, brace)) break;
    if (strcmp(brace, "{") != 0) {
      copyName(name, brace);  // no block: the word may name the next one
      continue;
    }
    auto* m = GCnew<_Menustruct>();
    copyName(m->name, name);
    for (;;) {
      char type[32], label[32], third[32];
      if (!readWord(f, type) || strcmp(type, "}") == 0) break;
      if (!readWord(f, label) || !readWord(f, third)) GCfatal(GC_MOD_INTERFACE, 1, "Menu description error: %s", type);
      if (m->num >= DI_MENU_ENTRIES) GCfatal(GC_MOD_INTERFACE, 1, "Menu description error: %s", m->name);
      _Menulist& e = m->list[m->num++];
      copyName(e.type, type);
      copyName(e.label, label);
      copyName(e.submenu, third);
    }
    *tail = m;
    tail = &m->next;
    if (!readWord(f, name)) break;
  }
  return head;
}

_Menustruct* DIfindButton(_Menustruct* menus, const char* name) {
  for (_Menustruct* m = menus; m; m = m->next)
    if (strcmp(m->name, name) == 0) return m;
  return nullptr;
}

_Menutree* DImenuData(_Menustruct* menus) {
  _Menustruct* bar = findSubmenu(menus, "MENUBAR");
  _Menutree* head = nullptr;
  _Menutree** tail = &head;
  for (int i = 0; i < bar->num; ++i) {
    auto* t = GCnew<_Menutree>();
    copyName(t->label, bar->list[i].label);
    if (strcmp(t->label, "Layers") != 0) t->buttonlist = buildBlock(menus, findSubmenu(menus, bar->list[i].submenu), 1);
    *tail = t;
    tail = &t->brother;
  }
  return head;
}

void DIfreeMenuStruct(_Menustruct* menus) {
  while (menus) {
    _Menustruct* next = menus->next;
    GCdelete(menus);
    menus = next;
  }
}

void DImenuRead(const char* path) {
  FILE* f = fopen(path, "r");
  if (!f) GCfatal(GC_MOD_INTERFACE, 1, "Menu description not available");
  _Menustruct* menus = DIreadMenuBlocks(f);
  fclose(f);
  DIfreeMenuTree();
  Dmenu = DImenuData(menus);
  DIfreeMenuStruct(menus);
}

void DImenuInit() {
  char path[1024];
  snprintf(path, sizeof path, "%s", GCgetPath("MenuFile"));
  DImenuRead(path);
}

void DIfreeMenuTree() {
  while (Dmenu) {
    _Menutree* next = Dmenu->brother;
    freeButtons(Dmenu->buttonlist);
    GCdelete(Dmenu);
    Dmenu = next;
  }
}
