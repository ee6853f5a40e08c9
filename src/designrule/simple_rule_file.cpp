// The simple design-rule file: sections W, E and S of "(layer,value)" and
// "(outer,inner,value)" words, one word looked at per line.
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "designrule/designrule.h"

namespace {

enum class Section { None, Width, Extension, Spacing };

bool inLayerRange(int i) { return i >= 0 && i < DR_MAX_LAYERS; }
bool inValueRange(int v) { return v >= SHRT_MIN && v <= SHRT_MAX; }

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
    char c1, c2, c3, c4;
    int a, b, v;
    // Words that do not match the section's form, or name a layer outside the
    // tables, are skipped.
    if (section == Section::Width) {
      if (sscanf(word, "%c%d%c%d%c", &c1, &a, &c2, &v, &c3) == 5 && inLayerRange(a) &&
          inValueRange(v))
        WIDTH[a] = static_cast<short>(v);
    } else if (section == Section::Extension || section == Section::Spacing) {
      if (sscanf(word, "%c%d%c%d%c%d%c", &c1, &a, &c2, &b, &c3, &v, &c4) == 7 &&
          inLayerRange(a) && inLayerRange(b) && inValueRange(v)) {
        if (section == Section::Extension)
          EXTENSION[a][b] = static_cast<short>(v);
        else
          SPACING[a][b] = static_cast<short>(v);
      }
    }
  }
  fclose(file);
  return 1;
}
