// Rows that keep enclosures where the sweep's rows leave them open.
//
// Clearance: between a layer that must enclose another (a select or metal
// around a contact) and a shape of that other layer beside it, with no
// spacing rule between the two, the sweep states nothing, so a compacted
// side could be moved onto the contact and cover it partly. Such a pair,
// wherever the two face each other across the compaction direction, is
// held apart (>= 0; touching is allowed).
//
// Enclosure by a tile of a cut shape: the sweep leaves out the enclosure of
// a tile whose side goes on into another tile of its shape (the enclosure
// is the shape's), yet nothing keeps that other tile over the inner shape
// across the direction, so the shape may no longer enclose it. Where the
// tile itself encloses the inner shape by the rule on the input, that
// enclosure is kept; it held on the input, so it never makes the rows
// infeasible.
#pragma once

#include "compact/sweep.h"

// Adds the rows of direction `xDirection` (1 x, 0 y) to that direction's
// store and to `rhs`, after its sweep.
void SWaddEnclosureRows(int xDirection, _rhs_list* rhs);
