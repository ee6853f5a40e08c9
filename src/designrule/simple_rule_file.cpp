// The simple design-rule file: sections W, E and S of "(layer,value)" and
// "(outer,inner,value)" words, one word looked at per line.
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/number_text.h"
#include "designrule/designrule.h"

namespace {

enum class Section { None, Width, Extension, Spacing };

bool inLayerRange(int i) { return i >= 0 && i < DR_MAX_LAYERS; }
bool inValueRange(int v) { return v >= SHRT_MIN && v <= SHRT_MAX; }

// A word of the form "%c%d%c%d%c" (count 2) or "%c%d%c%d%c%d%c" (count 3):
// one separator character before, between and after the numbers. Numbers
// must fit 32 bits, so that an overlong one is not taken for a wrapped one.
bool readTuple(const char* word, int count, int* numbers) {
  const char* p = word;
  for (int i = 0; i < count; ++i) {
    if (!*p) return false;
    ++p;  // the separator before the number
    if (isspace(static_cast<unsigned char>(*p)) || !GCreadInt(p, &numbers[i], &p)) return false;
  }
  return *p != '\0';  // the closing character
}

bool readLine(FILE* file, std::string& line) {
  line.clear();
  int c;
  while ((c = fgetc(file)) != EOF) {
    if (c == '\n') return true;
    line.push_back(static_cast<char>(c));
  }
  return !line.empty();
}

}  // namespace

int ReadDesignRules(FILE* file) {
  Section section = Section::None;
  std::string line;
  while (readLine(file, line)) {
    char word[256];
    if (sscanf(line.c_str(), "%255s", word) != 1) continue;
    switch (word[0]) {
      case 'W': section = Section::Width; continue;
      case 'E': section = Section::Extension; continue;
      case 'S': section = Section::Spacing; continue;
      default: break;
    }
    int n[3];
    // Words that do not match the section's form, or name a layer outside the
    // tables, are skipped.
    if (section == Section::Width) {
      if (readTuple(word, 2, n) && inLayerRange(n[0]) && inValueRange(n[1])) WIDTH[n[0]] = static_cast<short>(n[1]);
    } else if (section == Section::Extension || section == Section::Spacing) {
      if (readTuple(word, 3, n) && inLayerRange(n[0]) && inLayerRange(n[1]) && inValueRange(n[2])) {
        if (section == Section::Extension)
          EXTENSION[n[0]][n[1]] = static_cast<short>(n[2]);
        else
          SPACING[n[0]][n[1]] = static_cast<short>(n[2]);
      }
    }
  }
  fclose(file);
  return 1;
}
