#include "extract/net_accept.h"

#include <cstdio>
#include <cstdlib>

#include "common/message.h"
#include "extract/net.h"

void DIacceptDefIO(const char* text) {
  char name[64];
  snprintf(name, sizeof name, "%s", text);
  DExDefIO(name);
}

void DIacceptNameNet(const char* text) {
  char name[64];
  snprintf(name, sizeof name, "%s", text);
  DExNameNet(name);
}

void DIacceptFindNet(const char* text) {
  long n = strtol(text, nullptr, 10);
  if (n == 0) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Input wrong");
    return;
  }
  DExSearchNet(n);
}
