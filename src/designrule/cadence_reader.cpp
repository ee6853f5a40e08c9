// Reader of Cadence technology files. The whole parenthesised syntax is read
// (sections, "name(" calls, plain lists, quoted names, numbers with exponents,
// "times"/"difference" expressions, ";" comments); only the grid statement, the
// rules of spacingRules sections and the symbolic contact and enhancement
// devices act on the tables. Each top-level section is applied as soon as it
// has been read, so a syntax error keeps what came before it.
//
// Device entries (positional; a nested list such as a contact array is skipped):
//   symContactDevice(     ( name "via" "layer1" "layer2" w l ... enc1 enc2 ... ) )
//     numbers in order: w, l, enc1, enc2
//   symEnhancementDevice( ( name "gate" "diff" W L gateExt diffExt "other" otherExt ) )
//     quoted names in order: gate, diffusion, other; numbers: W, L, e1, e2, e3
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/scale.h"
#include "designrule/designrule.h"

namespace {

constexpr int kMaxDepth = 200;

const char* const kSections[] = {
    "layerDefinitions", "techPurposes", "techLayers", "techLayerPurposePriorities",
    "techDisplays", "techLayerProperties", "layerRules", "viaLayers", "streamLayers",
    "physicalRules", "orderedSpacingRules", "spacingRules", "mfgGridResolution",
    "electricalRules", "characterizationRules", "controls", "techParams", "techPermissions",
    "devices", "tcCreateCDSDeviceClass", "symEnhancementDevice", "symContactDevice",
    "symPinDevice", "compactorRules", "compactorLayers", "symWires", "lasRules", "lasDevices",
    "lxRules", "lxExtractLayers", "lxNoOverlapLayers", "prRules", "prRoutingLayers",
    "prViaTypes", "prMastersliceLayers"};

enum class Tok { End, LParen, RParen, String, Number, Symbol, Error };

struct Node {
  enum Kind { Number, String, Symbol, List } kind = Symbol;
  double number = 0;
  std::string text;
  std::vector<Node> items;  // a list; a call "name(" has the name as items[0]
  int line = 0;
};

// Position of the reader, also read by druleerror.
int gLine = 1;
std::string gToken;

class Lexer {
 public:
  Lexer(const char* text, size_t size) : p_(text), end_(text + size) {}

  // Reads the next token; `glued` tells whether it follows the previous one
  // without blank (how "name(" is told from "name (").
  Tok next(bool& glued) {
    glued = true;
    for (;;) {
      if (p_ == end_) {
        gToken = "end of file";
        return Tok::End;
      }
      char c = *p_;
      if (c == '\n') {
        ++gLine;
        ++p_;
        glued = false;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++p_;
        glued = false;
      } else if (c == ';') {
        while (p_ != end_ && *p_ != '\n') ++p_;
        glued = false;
      } else {
        break;
      }
    }
    char c = *p_;
    if (c == '(' || c == ')') {
      ++p_;
      gToken.assign(1, c);
      return c == '(' ? Tok::LParen : Tok::RParen;
    }
    if (c == '"') return string();
    const char* start = p_;
    while (p_ != end_ && isWordChar(*p_)) ++p_;
    if (p_ == start) {
      const char shown = (c >= 32 && c < 127) ? c : '?';
      gToken.assign({'\'', shown, '\''});
      ++p_;
      return Tok::Error;
    }
    gToken.assign(start, p_);
    if (looksNumeric(gToken)) {
      if (!numberValue(gToken, number)) return Tok::Error;
      return Tok::Number;
    }
    return Tok::Symbol;
  }

  double number = 0;
  std::string text;  // contents of the last string

 private:
  static bool isWordChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u > 32 && u < 127 && c != '(' && c != ')' && c != '"' && c != ';';
  }
  static bool looksNumeric(const std::string& w) {
    size_t i = (w[0] == '+' || w[0] == '-') ? 1 : 0;
    if (i < w.size() && w[i] == '.') ++i;
    return i < w.size() && w[i] >= '0' && w[i] <= '9';
  }
  // An integer or decimal fraction with an optional exponent "e" and a signed integer.
  static bool numberValue(const std::string& w, double& value) {
    size_t i = (w[0] == '+' || w[0] == '-') ? 1 : 0;
    size_t digits = 0;
    while (i < w.size() && isdigit(static_cast<unsigned char>(w[i]))) ++i, ++digits;
    if (i < w.size() && w[i] == '.') {
      ++i;
      while (i < w.size() && isdigit(static_cast<unsigned char>(w[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < w.size() && (w[i] == 'e' || w[i] == 'E')) {
      ++i;
      if (i < w.size() && (w[i] == '+' || w[i] == '-')) ++i;
      size_t expDigits = 0;
      while (i < w.size() && isdigit(static_cast<unsigned char>(w[i]))) ++i, ++expDigits;
      if (expDigits == 0) return false;
    }
    if (i != w.size()) return false;
    value = strtod(w.c_str(), nullptr);
    return std::isfinite(value);
  }
  Tok string() {
    ++p_;
    text.clear();
    while (p_ != end_ && *p_ != '"') {
      if (*p_ == '\\' && p_ + 1 != end_) ++p_;
      if (*p_ == '\n') ++gLine;
      text.push_back(*p_++);
    }
    if (p_ == end_) {
      gToken = '"' + text.substr(0, 32);
      return Tok::Error;
    }
    ++p_;
    gToken = '"' + text + '"';
    return Tok::String;
  }

  const char* p_;
  const char* end_;
};

class Parser {
 public:
  Parser(const char* text, size_t size) : lex_(text, size) { advance(); }

  // Reads, checks and applies one top-level section at a time.
  bool run() {
    while (tok_ != Tok::End) {
      if (tok_ == Tok::Error) return fail("bad token");
      if (tok_ != Tok::Symbol || !isSection(gToken)) return fail("section keyword expected");
      Node section;
      if (!item(section, 0)) return false;
      if (section.kind != Node::List) return fail("\"(\" expected after the section keyword");
      if (!apply(section)) return false;
    }
    return true;
  }

 private:
  static bool isSection(const std::string& w) {
    for (const char* s : kSections)
      if (w == s) return true;
    return false;
  }

  void advance() { tok_ = lex_.next(glued_); }

  bool fail(const char* message) {
    druleerror(message);
    return false;
  }

  // One item: an atom, a list "( ... )" or a call "name( ... )".
  bool item(Node& out, int depth) {
    out.line = gLine;
    switch (tok_) {
      case Tok::Number:
        out.kind = Node::Number;
        out.number = lex_.number;
        out.text = gToken;
        advance();
        return true;
      case Tok::String:
        out.kind = Node::String;
        out.text = lex_.text;
        advance();
        return true;
      case Tok::Symbol: {
        out.kind = Node::Symbol;
        out.text = gToken;
        advance();
        if (tok_ == Tok::LParen && glued_) {
          Node head = std::move(out);
          out = Node();
          out.line = head.line;
          out.items.push_back(std::move(head));
          return list(out, depth);
        }
        return true;
      }
      case Tok::LParen:
        return list(out, depth);
      case Tok::RParen:
        return fail("unexpected \")\"");
      case Tok::End:
        return fail("unexpected end of file");
      default:
        return fail("bad token");
    }
  }

  // The list after its "(": items up to the matching ")".
  bool list(Node& out, int depth) {
    if (depth >= kMaxDepth) return fail("lists nested too deeply");
    out.kind = Node::List;
    advance();
    while (tok_ != Tok::RParen) {
      Node child;
      if (!item(child, depth + 1)) return false;
      out.items.push_back(std::move(child));
    }
    advance();
    return reduceExpression(out);
  }

  // "(times a b)" and "(difference a b)" become their value.
  bool reduceExpression(Node& n) {
    if (n.items.empty() || n.items[0].kind != Node::Symbol) return true;
    const std::string& op = n.items[0].text;
    if (op != "times" && op != "difference") return true;
    if (n.items.size() != 3 || n.items[1].kind != Node::Number || n.items[2].kind != Node::Number) {
      gLine = n.line;
      gToken = op;
      return fail("an expression takes two numbers");
    }
    double a = n.items[1].number, b = n.items[2].number;
    double v = op == "times" ? a * b : a - b;
    if (!std::isfinite(v)) {
      gLine = n.line;
      gToken = op;
      return fail("number out of range");
    }
    n.kind = Node::Number;
    n.number = v;
    n.text = op;
    n.items.clear();
    return true;
  }

  static const char* head(const Node& n) {
    return (n.kind == Node::List && !n.items.empty() && n.items[0].kind == Node::Symbol)
               ? n.items[0].text.c_str()
               : nullptr;
  }

  // Calls `device(names, values)` for each entry of a device section with the
  // strings and the numbers directly inside the entry, after its name.
  template <class Device>
  static void eachDevice(const Node& section, Device device) {
    for (size_t i = 1; i < section.items.size(); ++i) {
      const Node& entry = section.items[i];
      if (entry.kind != Node::List) continue;
      std::vector<const char*> names;
      std::vector<double> values;
      for (size_t k = 1; k < entry.items.size(); ++k) {
        const Node& a = entry.items[k];
        if (a.kind == Node::String) names.push_back(a.text.c_str());
        if (a.kind == Node::Number) values.push_back(a.number);
      }
      device(names, values);
    }
  }

  // Acts on the statements inside a section that has been read completely.
  bool apply(const Node& n) {
    const char* h = head(n);
    if (h && strcmp(h, "mfgGridResolution") == 0) return grid(n);
    if (h && strcmp(h, "spacingRules") == 0) {
      spacingRules(n);
      return true;
    }
    if (h && strcmp(h, "symContactDevice") == 0) {
      contactDevices(n);
      return true;
    }
    if (h && strcmp(h, "symEnhancementDevice") == 0) {
      enhancementDevices(n);
      return true;
    }
    for (size_t i = h ? 1 : 0; i < n.items.size(); ++i)
      if (n.items[i].kind == Node::List && !apply(n.items[i])) return false;
    return true;
  }

  // mfgGridResolution( ( value ) ); a grid that is not positive could not divide the rules.
  bool grid(const Node& n) {
    if (n.items.size() != 2 || n.items[1].kind != Node::List || n.items[1].items.size() != 1 ||
        n.items[1].items[0].kind != Node::Number) {
      gLine = n.line;
      gToken = "mfgGridResolution";
      return fail("the grid statement holds one parenthesised number");
    }
    double value = n.items[1].items[0].number;
    if (!(value > 0)) {
      gLine = n.line;
      gToken = "mfgGridResolution";
      return fail("the grid must be positive");
    }
    DRrdGrid(value);
    return true;
  }

  void spacingRules(const Node& n) {
    for (size_t i = 1; i < n.items.size(); ++i) {
      const Node& r = n.items[i];
      const char* rule = head(r);
      if (!rule) continue;
      if (r.items.size() == 4 && r.items[1].kind == Node::String && r.items[2].kind == Node::String &&
          r.items[3].kind == Node::Number)
        DRrdSpacing(rule, r.items[1].text.c_str(), r.items[2].text.c_str(), r.items[3].number);
      else if (r.items.size() == 3 && r.items[1].kind == Node::String && r.items[2].kind == Node::Number)
        DRrdSpacing(rule, r.items[1].text.c_str(), nullptr, r.items[2].number);
    }
  }

  static void contactDevices(const Node& n) {
    eachDevice(n, [](const std::vector<const char*>& names, const std::vector<double>& values) {
      if (names.size() >= 3 && values.size() >= 4)
        DRrdSymContact(names[0], names[1], names[2], values[0], values[2], values[3]);
    });
  }

  static void enhancementDevices(const Node& n) {
    eachDevice(n, [](const std::vector<const char*>& names, const std::vector<double>& values) {
      if (names.size() >= 3 && values.size() >= 5)
        DRrdEnhanceDev(names[0], names[1], values[0], values[1], values[2], values[3], names[2],
                       values[4]);
    });
  }

 private:
  Lexer lex_;
  Tok tok_ = Tok::End;
  bool glued_ = false;
};

bool parseText(const char* text, size_t size) {
  gLine = 1;
  gToken.clear();
  Parser parser(text, size);
  return parser.run();
}

// Layer-map records whose Cadence layer is `name`.
template <class F>
void forEachRecord(const char* name, F f) {
  if (!name || !*name) return;
  for (int i = 0; i < DR_MAX_LAYERS; ++i)
    if (strcmp(CifToCadence[i].cadenceLayer, name) == 0) f(i);
}

void keepLarger(double& entry, double value) {
  if (value >= entry) entry = value;
}

// Records a device rule: the extension of record a beyond b is at least `value`.
void raiseExtension(int a, int b, double value) {
  keepLarger(TEMP_EXTENSION[a][b], value);
  EXTENSION_VALID[a][b] = 1;
}

}  // namespace

void druleerror(const char* message) {
  fprintf(stderr, "error on line %d %s: %s\n", gLine, gToken.c_str(), message);
}

void DRrdGrid(double value) {
  if (design_rule_file == 200)
    LAMBDA_T2 = value;
  else
    LAMBDA_T1 = value;
}

void DRrdSpacing(const char* rule, const char* layer1, const char* layer2, double value) {
  if (design_rule_file != 200) return;
  if (strcmp(rule, "minWidth") == 0) {
    if (layer2) return;
    for (int i = 0; i < DR_MAX_LAYERS; ++i) {
      if (strcmp(CifToCadence[i].cadenceLayer, layer1) != 0 || !*layer1) continue;
      if (TEMP_WIDTH[i] <= value) {
        TEMP_WIDTH[i] = value;
        WIDTH_VALID[i] = 1;
        break;
      }
    }
    return;
  }
  if (!layer2) return;
  bool spacing = strcmp(rule, "minSpacing") == 0;
  bool enclosure = strcmp(rule, "minEnclosure") == 0;
  bool extension = strcmp(rule, "minExtension") == 0;
  if (!spacing && !enclosure && !extension) return;
  forEachRecord(layer1, [&](int i) {
    forEachRecord(layer2, [&](int j) {
      if (spacing) {
        if (value >= TEMP_SPACING[i][j]) TEMP_SPACING[i][j] = TEMP_SPACING[j][i] = value;
        SPACING_VALID[i][j] = SPACING_VALID[j][i] = 1;
      } else if (enclosure) {
        if (value < 0 || value >= TEMP_EXTENSION[i][j]) TEMP_EXTENSION[i][j] = value;
        EXTENSION_VALID[i][j] = 1;
      } else {
        TEMP_EXTENSION[i][j] = value;
        EXTENSION_VALID[i][j] = 1;
      }
    });
  });
}

void DRrdSymContact(const char* contact, const char* layer1, const char* layer2, double width,
                    double ext1, double ext2) {
  if (design_rule_file != 200) return;
  forEachRecord(contact, [&](int c) {
    keepLarger(TEMP_WIDTH[c], width);
    WIDTH_VALID[c] = 1;
    forEachRecord(layer1, [&](int a) { raiseExtension(a, c, ext1); });
    forEachRecord(layer2, [&](int b) { raiseExtension(b, c, ext2); });
  });
}

void DRrdEnhanceDev(const char* gate, const char* diffusion, double width, double length,
                    double ext1, double ext2, const char* other, double ext3) {
  if (design_rule_file == 200) {
    forEachRecord(gate, [&](int g) {
      forEachRecord(diffusion, [&](int d) {
        raiseExtension(g, d, ext1);
        raiseExtension(d, g, ext2);
      });
      forEachRecord(other, [&](int o) { raiseExtension(o, g, ext3); });
    });
  }
  keepLarger(TEMP_TRAN_WIDTH[0], width);
  TRAN_WIDTH_VALID[0] = 1;
  keepLarger(TEMP_TRAN_LENGTH[0], length);
  TRAN_LENGTH_VALID[0] = 1;
}

int DRparseCadenceText(const char* text, unsigned long size, int which) {
  if (which == 2) {
    design_rule_file = 200;
    DRclearAllRules();
  } else {
    design_rule_file = 100;
  }
  if (!parseText(text, size)) return 0;
  if (which == 2) {
    DRgetDummyConstraint();
    DRupdateDrule();
  }
  return 1;
}

namespace {
std::string slurp(FILE* file) {
  std::string text;
  char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, file)) > 0) text.append(buf, n);
  return text;
}
}  // namespace

int DRparseCadenceDesRule1(FILE* file) {
  std::string text = slurp(file);
  return DRparseCadenceText(text.data(), text.size(), 1);
}

int DRparseCadenceDesRule2(FILE* file) {
  std::string text = slurp(file);
  return DRparseCadenceText(text.data(), text.size(), 2);
}
