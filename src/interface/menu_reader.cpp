#include "interface/menu_reader.h"

#include <cstdarg>
#include <cstring>

#include "callback/layer_panel.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/settings.h"
#include "techc/tech.h"

_Menutree* Dmenu = nullptr;

namespace {
// Submenus nest through PULLDOWN entries; a cycle would never end, and
// blocks that call each other many times over would multiply without bound.
constexpr int MAX_MENU_DEPTH = 16;
constexpr int MAX_MENU_BUTTONS = 4096;
int buttonsLeft = 0;

bool readWord(FILE* f, char* word) { return fscanf(f, "%31s", word) == 1; }

void copyName(char* dst, const char* src) { snprintf(dst, 32, "%s", src); }

// A format error: kept for the caller when it asked for it, fatal otherwise.
bool failed(std::string* error, const char* format, ...) __attribute__((format(printf, 2, 3)));
bool failed(std::string* error, const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (!error) GCfatal(GC_MOD_INTERFACE, 1, "%s", text);
  *error = text;
  return false;
}

_Buttons* newButton(const char* label, int type) {
  auto* b = GCnew<_Buttons>();
  copyName(b->label, label);
  b->type = type;
  return b;
}

void freeButtons(_Buttons* b) {
  GCdeleteChain(b, [](_Buttons* e) {
    freeButtons(e->pulldown);
    GCstrfree(e->client_data);
  });
}

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

// Builds the buttons of a block into *out; false (and nothing built) on an error.
bool buildBlock(_Menustruct* menus, const char* name, int depth, _Buttons** out, std::string* error) {
  *out = nullptr;
  _Menustruct* block = DIfindButton(menus, name);
  if (!block) return failed(error, "Can't find the %s submenu", name);
  if (depth > MAX_MENU_DEPTH || buttonsLeft < block->num)
    return failed(error, "Menu description error: %s", block->name);
  buttonsLeft -= block->num;
  _Buttons** tail = out;
  for (int i = 0; i < block->num; ++i) {
    const _Menulist& e = block->list[i];
    _Buttons* b;
    if (strcmp(e.type, "BUTTON") == 0) {
      b = newButton(e.label, DI_PUSH_BUTTON);
      b->callback = DIfindCallback(e.submenu);
      b->client_data = GCstrcpy(e.label);
    } else if (strcmp(e.type, "PULLDOWN") == 0) {
      b = newButton(e.label, DI_PULLDOWN);
      if (!buildBlock(menus, e.submenu, depth + 1, &b->pulldown, error)) {
        freeButtons(b);
        freeButtons(*out);
        *out = nullptr;
        return false;
      }
    } else if (strcmp(e.type, "SEPARATOR") == 0) {
      b = newButton(e.label, DI_SEPARATOR);
    } else if (strcmp(e.type, "LAYERS") == 0) {
      b = newButton(e.submenu, DI_PULLDOWN);
      b->pulldown = layerButtons();
    } else {
      freeButtons(*out);
      *out = nullptr;
      return failed(error, "Menu description error: %s", e.type);
    }
    *tail = b;
    tail = &b->next;
  }
  return true;
}

void freeTree(_Menutree* t) {
  while (t) {
    _Menutree* next = t->brother;
    freeButtons(t->buttonlist);
    GCdelete(t);
    t = next;
  }
}
}  // namespace

_Menustruct* DIreadMenuBlocks(FILE* f, std::string* error) {
  char word[32];
  bool found = false;
  while (readWord(f, word))
    if (strcmp(word, "MENUBAR") == 0) {
      found = true;
      break;
    }
  if (!found) {
    failed(error, "Can't find the %s submenu", "MENUBAR");
    return nullptr;
  }
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
    *tail = m;
    tail = &m->next;
    for (;;) {
      char type[32], label[32], third[32];
      if (!readWord(f, type) || strcmp(type, "}") == 0) break;
      if (!readWord(f, label) || !readWord(f, third) || m->num >= DI_MENU_ENTRIES) {
        failed(error, "Menu description error: %s", m->num >= DI_MENU_ENTRIES ? m->name : type);
        DIfreeMenuStruct(head);
        return nullptr;
      }
      _Menulist& e = m->list[m->num++];
      copyName(e.type, type);
      copyName(e.label, label);
      copyName(e.submenu, third);
    }
    if (!readWord(f, name)) break;
  }
  return head;
}

_Menustruct* DIfindButton(_Menustruct* menus, const char* name) {
  for (_Menustruct* m = menus; m; m = m->next)
    if (strcmp(m->name, name) == 0) return m;
  return nullptr;
}

_Menutree* DImenuData(_Menustruct* menus, std::string* error) {
  _Menustruct* bar = DIfindButton(menus, "MENUBAR");
  if (!bar) {
    failed(error, "Can't find the %s submenu", "MENUBAR");
    return nullptr;
  }
  _Menutree* head = nullptr;
  _Menutree** tail = &head;
  buttonsLeft = MAX_MENU_BUTTONS;
  for (int i = 0; i < bar->num; ++i) {
    auto* t = GCnew<_Menutree>();
    copyName(t->label, bar->list[i].label);
    *tail = t;
    tail = &t->brother;
    if (strcmp(t->label, "Layers") == 0) continue;  // an empty menu
    if (!buildBlock(menus, bar->list[i].submenu, 1, &t->buttonlist, error)) {
      freeTree(head);
      return nullptr;
    }
  }
  return head;
}

void DIfreeMenuStruct(_Menustruct* menus) { GCdeleteChain(menus); }

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

void DIfreeMenuTreeList(_Menutree* tree) { freeTree(tree); }

void DIfreeMenuTree() {
  freeTree(Dmenu);
  Dmenu = nullptr;
}
