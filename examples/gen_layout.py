#!/usr/bin/env python3
"""Writes large regular CMOS layouts in CIF: rows of inverters chained into
inverter chains (output metal wired to the next input), VDD/GND metal-1 rails
shared by mirrored neighbour rows, and a metal-2 VDD strap with vias at the
left end of every row.

Every inverter holds 19 elements: rails, n-well, selects, two active areas,
the poly gate with its contact pad (written as one cross-shaped polygon),
four active contacts, one poly contact, source straps, drain strap and input
pad; every inverter but the last of a row adds one wire to the next input.

The file starts with comments "(area LAYER N);" giving the exact union area
of every layer in square CIF units, computed here on the lambda grid without
any CIF reading, so that a reader can be checked against them.

Usage: gen_layout.py [--rects N | --rows R --cols C] [--flat] [-o FILE]
       gen_layout.py --nmos-array --rows R --cols C [-o FILE]
       gen_layout.py --rail-chain N [-o FILE]
  --rects N      pick a square-ish array with about N rectangles (default 1000)
  --flat         write every element into one cell (no inverter/row cells)
  --nmos-array   a flat array of NMOS transistors whose columns stand apart:
                 each column's drains on a metal-2 line of its own, each row's
                 gates and sources on two metal-1 lines across the array, so
                 full-height space strips separate the columns in the lower
                 layers (no area comments)
  --rail-chain N a chain of N inverters, one cell called per stage, between a
                 VDD rail and a GND rail that each span the whole chain as one
                 box (no area comments)
"""
import argparse
import sys

LAMBDA = 50  # CIF units (0.01 um) per lambda: 0.5 um
CELL_W = 14  # inverter pitch in lambda
ROW_H = 40   # row pitch in lambda

# The inverter in lambda, origin at its lower-left corner: (layer, x1, y1, x2, y2).
INVERTER_BOXES = [
    ("CMF", 0, 0, 14, 4),      # GND rail
    ("CMF", 0, 36, 14, 40),    # VDD rail
    ("CWN", 0, 20, 14, 40),    # n-well
    ("CSN", 0, 6, 14, 16),     # n-select
    ("CSP", 0, 22, 14, 34),    # p-select
    ("CAA", 1, 8, 13, 14),     # n active
    ("CAA", 1, 24, 13, 32),    # p active
    ("CCP", 6, 19, 8, 21),     # poly contact
    ("CMF", 5, 18, 9, 22),     # input pad
    ("CCA", 2, 10, 4, 12),     # n source contact
    ("CCA", 2, 27, 4, 29),     # p source contact
    ("CCA", 10, 10, 12, 12),   # n drain contact
    ("CCA", 10, 27, 12, 29),   # p drain contact
    ("CMF", 2, 0, 4, 12),      # n source to GND
    ("CMF", 2, 27, 4, 40),     # p source to VDD
    ("CMF", 10, 10, 12, 29),   # drains: the output
]
# Gate over both actives with the contact pad, as one polygon.
GATE_POLY = ("CPG", [(6, 6), (8, 6), (8, 18), (9, 18), (9, 22), (8, 22), (8, 34),
                     (6, 34), (6, 22), (5, 22), (5, 18), (6, 18)])
# Output of one inverter to the input of the next: centre line and width.
CHAIN_WIRE = ("CMF", 2, [(11, 20), (19, 20)])
# Left of every row: VDD rail extension, via, and the metal-2 strap (all rows).
ROW_VDD_EXT = ("CMF", -6, 36, 0, 40)
ROW_VIA = ("CVA", -5, 37, -3, 39)
STRAP_X = (-6, -2)

LAYERS = ["CAA", "CPG", "CMF", "CMS", "CCA", "CCP", "CVA", "CWN", "CSN", "CSP"]
ELEMENTS_PER_INVERTER = len(INVERTER_BOXES) + 1


def poly_cells(vertices):
    """Unit lambda squares inside a rectilinear polygon (even-odd rule)."""
    xs = sorted({x for x, _ in vertices})
    ys = sorted({y for _, y in vertices})
    cells = set()
    n = len(vertices)
    for y in range(ys[0], ys[-1]):
        yc = y + 0.5
        crossings = []
        for i in range(n):
            (x1, y1), (x2, y2) = vertices[i], vertices[(i + 1) % n]
            if x1 == x2 and min(y1, y2) < yc < max(y1, y2):
                crossings.append(x1)
        crossings.sort()
        for a, b in zip(crossings[0::2], crossings[1::2]):
            for x in range(a, b):
                cells.add((x, y))
    return cells


def wire_box(width, pts):
    """A straight horizontal wire as its outline box (ends reach out by width/2)."""
    (x1, y), (x2, _) = pts
    h = width // 2
    return (min(x1, x2) - h, y - h, max(x1, x2) + h, y + h)


def row_row_y(r):
    """Row r's transformation: (mirrored, y offset of its origin) in lambda."""
    if r % 2 == 0:
        return False, r * ROW_H
    return True, (r + 1) * ROW_H  # mirrored in y, so VDD rails and GND rails abut


def expected_areas(rows, cols):
    """Union area per layer in square lambda, by rasterising one row."""
    per_row = {l: set() for l in LAYERS}
    for c in range(cols):
        ox = c * CELL_W
        for layer, x1, y1, x2, y2 in INVERTER_BOXES:
            for x in range(x1, x2):
                for y in range(y1, y2):
                    per_row[layer].add((ox + x, y))
        for x, y in poly_cells(GATE_POLY[1]):
            per_row[GATE_POLY[0]].add((ox + x, y))
        if c + 1 < cols:
            x1, y1, x2, y2 = wire_box(CHAIN_WIRE[1], CHAIN_WIRE[2])
            for x in range(x1, x2):
                for y in range(y1, y2):
                    per_row[CHAIN_WIRE[0]].add((ox + x, y))
    area = {l: len(per_row[l]) * rows for l in LAYERS}
    # Rows only abut; the row-end pieces lie left of every row.
    area["CMF"] += rows * (ROW_VDD_EXT[3] - ROW_VDD_EXT[1]) * (ROW_VDD_EXT[4] - ROW_VDD_EXT[2])
    area["CVA"] += rows * (ROW_VIA[3] - ROW_VIA[1]) * (ROW_VIA[4] - ROW_VIA[2])
    area["CMS"] += (STRAP_X[1] - STRAP_X[0]) * rows * ROW_H
    return area


def write_layers(out, by_layer):
    """Each layer's lines under its L command, in the technology's layer order."""
    for layer in LAYERS:
        if by_layer.get(layer):
            out.write("L %s;\n" % layer)
            out.writelines(by_layer[layer])


def box_line(x1, y1, x2, y2):
    return "B %d %d %d %d;\n" % ((x2 - x1) * LAMBDA, (y2 - y1) * LAMBDA,
                                 (x1 + x2) * LAMBDA // 2, (y1 + y2) * LAMBDA // 2)


def poly_line(pts):
    return "P " + " ".join("%d %d" % (x * LAMBDA, y * LAMBDA) for x, y in pts) + ";\n"


def wire_line(width, pts):
    return "W %d " % (width * LAMBDA) + " ".join("%d %d" % (x * LAMBDA, y * LAMBDA) for x, y in pts) + ";\n"


def row_end_lines(rows):
    """Left-end pieces in absolute coordinates, grouped by layer."""
    out = {"CMF": [], "CVA": [], "CMS": []}
    for r in range(rows):
        mirrored, oy = row_row_y(r)
        for layer, x1, y1, x2, y2 in (ROW_VDD_EXT, ROW_VIA):
            if mirrored:
                y1, y2 = oy - y2, oy - y1
            else:
                y1, y2 = oy + y1, oy + y2
            out[layer].append(box_line(x1, y1, x2, y2))
    out["CMS"].append(box_line(STRAP_X[0], 0, STRAP_X[1], rows * ROW_H))
    return out


def write_flat(out, rows, cols):
    by_layer = {l: [] for l in LAYERS}
    for r in range(rows):
        mirrored, oy = row_row_y(r)

        def ty(y):
            return oy - y if mirrored else oy + y

        for c in range(cols):
            ox = c * CELL_W
            for layer, x1, y1, x2, y2 in INVERTER_BOXES:
                a, b = ty(y1), ty(y2)
                by_layer[layer].append(box_line(ox + x1, min(a, b), ox + x2, max(a, b)))
            by_layer[GATE_POLY[0]].append(poly_line([(ox + x, ty(y)) for x, y in GATE_POLY[1]]))
            if c + 1 < cols:
                by_layer[CHAIN_WIRE[0]].append(
                    wire_line(CHAIN_WIRE[1], [(ox + x, ty(y)) for x, y in CHAIN_WIRE[2]]))
    for layer, lines in row_end_lines(rows).items():
        by_layer[layer].extend(lines)
    out.write("DS 1 1 1;\n9 array;\n")
    write_layers(out, by_layer)
    out.write("DF;\nC 1;\nE\n")


def write_hierarchical(out, rows, cols):
    out.write("DS 1 1 1;\n9 inverter;\n")
    by_layer = {}
    for layer, x1, y1, x2, y2 in INVERTER_BOXES:
        by_layer.setdefault(layer, []).append(box_line(x1, y1, x2, y2))
    by_layer.setdefault(GATE_POLY[0], []).append(poly_line(GATE_POLY[1]))
    write_layers(out, by_layer)
    out.write("DF;\n")
    out.write("DS 2 1 1;\n9 row;\n")
    for c in range(cols):
        out.write("C 1 T %d 0;\n" % (c * CELL_W * LAMBDA))
    out.write("L %s;\n" % CHAIN_WIRE[0])
    for c in range(cols - 1):
        ox = c * CELL_W
        out.write(wire_line(CHAIN_WIRE[1], [(ox + x, y) for x, y in CHAIN_WIRE[2]]))
    out.write("DF;\n")
    out.write("DS 3 1 1;\n9 array;\n")
    for r in range(rows):
        mirrored, oy = row_row_y(r)
        out.write("C 2%s T 0 %d;\n" % (" MY" if mirrored else "", oy * LAMBDA))
    for layer, lines in row_end_lines(rows).items():
        out.write("L %s;\n" % layer)
        out.writelines(lines)
    out.write("DF;\nC 3;\nE\n")


# NMOS array cell in lambda, origin at the transistor's lower-left active corner.
NMOS_PITCH_X = 24
NMOS_PITCH_Y = 20
NMOS_BOXES = [
    ("CAA", 0, 0, 10, 4),      # active
    ("CSN", -1, -1, 11, 5),    # n-select
    ("CPG", 4, -2, 6, 10),     # gate, up to the row's gate line
    ("CCP", 4, 8, 6, 10),      # gate contact
    ("CCA", 1, 1, 3, 3),       # source contact
    ("CMF", 1, -6, 3, 3),      # source strap down to the row's source line
    ("CCA", 7, 1, 9, 3),       # drain contact
    ("CMF", 7, 1, 9, 3),       # drain pad
    ("CVA", 7, 1, 9, 3),       # via up to the column's drain line
]
NMOS_ROW_LINES = [("CMF", -6, -4), ("CMF", 8, 10)]  # source line, gate line (y range)
NMOS_COLUMN_LINE = ("CMS", 7, 9)                    # drain line (x range)


def write_nmos_array(out, rows, cols):
    by_layer = {}
    for layer, _, _, _, _ in NMOS_BOXES:
        by_layer.setdefault(layer, [])
    by_layer["CMS"] = []
    width = cols * NMOS_PITCH_X
    for r in range(rows):
        oy = r * NMOS_PITCH_Y
        for c in range(cols):
            ox = c * NMOS_PITCH_X
            for layer, x1, y1, x2, y2 in NMOS_BOXES:
                by_layer[layer].append(box_line(ox + x1, oy + y1, ox + x2, oy + y2))
        for layer, y1, y2 in NMOS_ROW_LINES:
            by_layer[layer].append(box_line(-2, oy + y1, width, oy + y2))
    for c in range(cols):
        ox = c * NMOS_PITCH_X
        layer, x1, x2 = NMOS_COLUMN_LINE
        by_layer[layer].append(box_line(ox + x1, -6, ox + x2, rows * NMOS_PITCH_Y))
    out.write("DS 1 1 1;\n9 nmos_array;\n")
    for layer, lines in by_layer.items():
        out.write("L %s;\n" % layer)
        out.writelines(lines)
    out.write("DF;\nC 1;\nE\n")


def write_rail_chain(out, stages):
    """The inverter without its rails as one cell; the rails in the top cell."""
    out.write("DS 1 1 1;\n9 stage;\n")
    by_layer = {}
    for layer, x1, y1, x2, y2 in INVERTER_BOXES:
        if (y1, y2) in ((0, 4), (36, 40)) and (x1, x2) == (0, CELL_W):
            continue  # the rails span the chain instead
        by_layer.setdefault(layer, []).append(box_line(x1, y1, x2, y2))
    by_layer.setdefault(GATE_POLY[0], []).append(poly_line(GATE_POLY[1]))
    by_layer.setdefault(CHAIN_WIRE[0], []).append(wire_line(CHAIN_WIRE[1], CHAIN_WIRE[2]))
    write_layers(out, by_layer)
    out.write("DF;\n")
    out.write("DS 2 1 1;\n9 chain;\n")
    for c in range(stages):
        out.write("C 1 T %d 0;\n" % (c * CELL_W * LAMBDA))
    out.write("L CMF;\n")
    out.write(box_line(0, 0, stages * CELL_W, 4))
    out.write(box_line(0, 36, stages * CELL_W, 40))
    out.write("DF;\nC 2;\nE\n")


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--rects", type=int, default=1000)
    ap.add_argument("--rows", type=int)
    ap.add_argument("--cols", type=int)
    ap.add_argument("--flat", action="store_true")
    ap.add_argument("--nmos-array", action="store_true")
    ap.add_argument("--rail-chain", type=int)
    ap.add_argument("-o", "--output", default="-")
    args = ap.parse_args(argv)
    if args.nmos_array or args.rail_chain:
        out = sys.stdout if args.output == "-" else open(args.output, "w")
        if args.rail_chain:
            out.write("(generated: a chain of %d inverters between rails);\n" % args.rail_chain)
            write_rail_chain(out, args.rail_chain)
        else:
            rows, cols = args.rows or 10, args.cols or 10
            out.write("(generated: %d rows of %d NMOS transistors);\n" % (rows, cols))
            write_nmos_array(out, rows, cols)
        if out is not sys.stdout:
            out.close()
        return
    if args.rows and args.cols:
        rows, cols = args.rows, args.cols
    else:
        cells = max(1, round(args.rects / ELEMENTS_PER_INVERTER))
        rows = max(1, int(cells ** 0.5))
        cols = max(1, round(cells / rows))
    out = sys.stdout if args.output == "-" else open(args.output, "w")
    out.write("(generated: %d rows of %d inverters);\n" % (rows, cols))
    for layer, a in sorted(expected_areas(rows, cols).items()):
        out.write("(area %s %d);\n" % (layer, a * LAMBDA * LAMBDA))
    if args.flat:
        write_flat(out, rows, cols)
    else:
        write_hierarchical(out, rows, cols)
    if out is not sys.stdout:
        out.close()


if __name__ == "__main__":
    main(sys.argv[1:])
