#include "techc/tech_reader.h"

#include <cctype>
#include <cstring>
#include <string>

#include "common/memory.h"
#include "techc/layer_gc.h"
#include "techc/tech.h"

char theGroup[32];
_strings* TlistString = nullptr;
_strings* TlistTail = nullptr;
FILE* techin = nullptr;
int techlinenr = 1;

namespace {
enum Token { T_END, T_GROUP, T_NAME, T_ITEM, T_SEMI };

const char* const groupHeaders[] = {"layers:", "elements:", "ports:", "connections:",
                                    "inductors:", "capacitors:", "resistors:"};

bool isWordChar(int c) { return isalnum(c) || c == '_'; }
bool isBlank(int c) { return c == ' ' || c == '\t' || c == ','; }

// Hand-written scanner over techin. A group header or a NAME can only start
// in the first column; the same word elsewhere is an ITEM.
class Scanner {
 public:
  std::string text;  // text of the last token

  Token next() {
    for (;;) {
      int c = getc(techin);
      if (c == EOF) {
        text.clear();
        return T_END;
      }
      bool lineStart = atLineStart;
      atLineStart = false;
      if (c == '\n') {
        ++techlinenr;
        atLineStart = true;
        continue;
      }
      if (isBlank(c)) continue;
      if (c == '#') {
        while ((c = getc(techin)) != EOF && c != '\n') {
        }
        if (c == '\n') ungetc(c, techin);
        continue;
      }
      if (c == ';') {
        text.assign(1, ';');
        return T_SEMI;
      }
      if (isWordChar(c)) {
        text.assign(1, static_cast<char>(c));
        while ((c = getc(techin)) != EOF && isWordChar(c)) text.push_back(static_cast<char>(c));
        if (lineStart && c == ':' && isHeader(text + ":")) {
          text.push_back(':');
          return T_GROUP;
        }
        if (c != EOF) ungetc(c, techin);
        return lineStart ? T_NAME : T_ITEM;
      }
      putchar(c);  // every other character is echoed and otherwise ignored
    }
  }

 private:
  bool atLineStart = true;
  static bool isHeader(const std::string& word) {
    for (const char* h : groupHeaders)
      if (word == h) return true;
    return false;
  }
};

Scanner* scanner = nullptr;
DTlayerGCMaker layerGCMaker = DIlayerGC;

void freeItems() {
  GCdeleteChain(TlistString, [](_strings* s) { GCstrfree(s->string); });
  TlistString = TlistTail = nullptr;
}
}  // namespace

void DTsetLayerGCMaker(DTlayerGCMaker maker) { layerGCMaker = maker ? maker : DIlayerGC; }

void DTrdInit() {
  GlayerNum = DelementNum = DconNum = CXcapDefNum = LXindDefNum = RXresDefNum = 0;
  theGroup[0] = '\0';
  freeItems();
}

void DTrdGroup(const char* text) { snprintf(theGroup, sizeof theGroup, "%s", text); }

void DTrdList(const char* item) {
  _strings* cell = GCnew<_strings>();
  cell->string = GCstrcpy(item);
  if (TlistTail)
    TlistTail->next = cell;
  else
    TlistString = cell;
  TlistTail = cell;
}

void techerror(const char* message) {
  fprintf(stderr, "error character %d %s: %s\n", techlinenr, scanner ? scanner->text.c_str() : "", message);
}

int TECHparse() {
  Scanner scan;
  scanner = &scan;
  techlinenr = 1;
  int result = 0;
  for (Token t = scan.next(); t != T_END; t = scan.next()) {
    if (t == T_GROUP) {
      DTrdGroup(scan.text.c_str());
      continue;
    }
    if (t != T_NAME) {
      result = 1;
      break;
    }
    std::string name = scan.text;
    int items = 0;
    while ((t = scan.next()) == T_ITEM) {
      DTrdList(scan.text.c_str());
      ++items;
    }
    if (t != T_SEMI || items == 0) {
      result = 1;
      break;
    }
    DTrdRule(name.c_str());
  }
  if (result) {
    techerror("syntax error");
    freeItems();
  }
  scanner = nullptr;
  fclose(techin);
  techin = nullptr;
  return result;
}

// Rule actions live in tech_rules.cpp; they free the item list through this.
void DTfreeItems() { freeItems(); }
void DTmakeLayerGC(int layer) { layerGCMaker(layer); }
