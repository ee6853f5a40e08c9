// The extracted circuit as a SPICE subcircuit, for simulators and LVS tools.
//
//   .SUBCKT circuit <named nets in net order> [bulk_p] [bulk_n]
//   M<number> <drain> <gate> <source> <bulk> <element name> W=<um>u L=<um>u
//   .ENDS circuit
//
// Nets carry their user or label name (whatever the label display switch says),
// made unique without regard to case; unnamed nets are "n<number>". P-channel
// bulks join the port bulk_p, N-channel bulks bulk_n. A transistor without a
// drain gets a floating drain node of its own. W and L are the channel's own
// dimensions: for a transistor drawn vertically (source below the gate) the
// channel width is the gate's horizontal extent and its length the vertical one,
// the other way round from the transistor record's width and length.
#pragma once
#include <cstdio>

// Writes the subcircuit on `f`; the caller owns the file.
bool DExWriteSpice(FILE* f);
