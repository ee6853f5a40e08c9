// The net check: a net that holds a space tile means broken planes.
#include <cstdio>
#include <cstdlib>

#include "extract/net.h"

void DExVerifyNets() {
  bool broken = false;
  for (_Dnet* net = Nets; net; net = net->next)
    for (_Dtilelist* c = net->tilelist; c; c = c->next)
      if (!TisSolid(c->tile)) {
        printf(" DExVerifyNets: Net %ld contains space tile \n", net->node);
        broken = true;
      }
  if (broken) {
    fflush(stdout);
    exit(1);
  }
}
