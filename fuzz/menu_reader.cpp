// Fuzzes the menu description reader: blocks, entries, nesting and the tree
// built from them, with format errors returned instead of ending the process.
#include <cstdint>
#include <cstdio>
#include <string>

#include "interface/menu_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "r");
  if (!f) return 0;
  std::string error;
  _Menustruct* menus = DIreadMenuBlocks(f, &error);
  fclose(f);
  if (menus) {
    _Menutree* tree = DImenuData(menus, &error);
    DIfreeMenuTreeList(tree);
    DIfreeMenuStruct(menus);
  }
  return 0;
}
