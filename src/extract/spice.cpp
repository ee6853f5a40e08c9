#include "extract/spice.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/scale.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "techc/tech.h"

namespace {
std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

// Characters a SPICE reader takes as separators or syntax become '_'.
std::string spiceWord(const char* text) {
  std::string s(text);
  for (char& c : s)
    if (!isalnum(static_cast<unsigned char>(c)) && !strchr("_!#.[]<>:$-+/", c)) c = '_';
  return s.empty() ? std::string("_") : s;
}

double micrometres(long units) { return static_cast<double>(units) * LAMBDA_T1 / SCALE; }

struct NodeNames {
  std::unordered_map<long, std::string> name;  // net number -> node name
  std::vector<long> ports;                      // named nets in net order
};

// The first name table entry of every named net, independent of the display switch.
std::unordered_map<long, const char*> tableNames() {
  std::unordered_map<long, const char*> names;
  for (_DnameTable* e = NetNameTable; e; e = e->next) names.try_emplace(e->node, e->name);
  return names;
}

NodeNames nodeNames(const std::vector<long>& nets) {
  auto table = tableNames();
  NodeNames out;
  std::unordered_set<std::string> taken;  // lower case
  for (long n : nets)
    if (!table.count(n)) {
      out.name[n] = 'n' + std::to_string(n);
      taken.insert(out.name[n]);
    }
  for (long n : nets) {
    auto it = table.find(n);
    if (it == table.end()) continue;
    std::string base = spiceWord(it->second), name = base;
    for (int k = 0; taken.count(lower(name)); ++k)
    {
      name = base + "_n" + std::to_string(n);
      if (k) name += '_' + std::to_string(k);
    }
    taken.insert(lower(name));
    out.name[n] = name;
    out.ports.push_back(n);
  }
  return out;
}

void writeWords(FILE* f, const std::vector<std::string>& words) {
  int column = 0;
  for (const std::string& w : words) {
    if (column == 10) {
      fprintf(f, "\n+");
      column = 0;
    }
    fprintf(f, &w == &words.front() ? "%s" : " %s", w.c_str());
    ++column;
  }
  fprintf(f, "\n");
}
}  // namespace

bool DExWriteSpice(FILE* f) {
  std::set<long> used;
  bool bulkP = false, bulkN = false;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors ? Transistors[e] : nullptr; t; t = t->next) {
      used.insert(t->gate);
      used.insert(t->source);
      if (t->Tdrain) used.insert(t->drain);
      (t->type == 0 ? bulkP : bulkN) = true;
    }
  for (_DnameTable* e = NetNameTable; e; e = e->next)
    if (e->node > 0 && e->node <= NetsNum) used.insert(e->node);
  NodeNames names = nodeNames(std::vector<long>(used.begin(), used.end()));

  fprintf(f, "* Extracted circuit: %d transistors, %d nets\n", TransNum, NetsNum);
  std::vector<std::string> header{".SUBCKT", "circuit"};
  for (long n : names.ports) header.push_back(names.name[n]);
  if (bulkP) header.push_back("bulk_p");
  if (bulkN) header.push_back("bulk_n");
  writeWords(f, header);
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors ? Transistors[e] : nullptr; t; t = t->next) {
      std::string drain = t->Tdrain ? names.name[t->drain] : std::string("m").append(std::to_string(t->number)).append("_nodrain");
      bool vertical = t->orientation == -1;
      long w = vertical ? t->length : t->width, l = vertical ? t->width : t->length;
      fprintf(f, "M%d %s %s %s %s %s W=%.6gu L=%.6gu\n", t->number, drain.c_str(),
              names.name[t->gate].c_str(), names.name[t->source].c_str(),
              t->type == 0 ? "bulk_p" : "bulk_n", spiceWord(Delement[e].name).c_str(),
              micrometres(w), micrometres(l));
    }
  fprintf(f, ".ENDS circuit\n");
  return true;
}
