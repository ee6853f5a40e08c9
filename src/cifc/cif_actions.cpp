#include "cifc/cif_actions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/polygon.h"
#include "common/scale.h"
#include "techc/tech.h"

long ACsymb = -1;
long ACmaxSymb = -1;
_instance* ACinst = nullptr;
long ACinstNo = 0;
short TopInstance = 0;
long Ypoint[AC_MAX_NUMBERS];
long Ynum = 0;
int AC_initial_halfscale_error = 0;
ACexitFn ACexitHook = nullptr;

namespace {
// Conversion factors for the current symbol scale.
double factorD = 0.1;  // boxes, wires, polygons: rounded
float factorF = 0.1f;  // translations and label positions: truncated

// Cells by name, newest first wins (as a search of Gsymbols from its head would).
std::unordered_map<std::string, _layout*> cellsByName;
bool warnedNoLayer = false;

// Converted coordinates must stay inside the plane's infinity.
bool inRange(double v) { return std::fabs(v) <= static_cast<double>(GC_INFINITY); }

// `scaled` is a CIF number already multiplied by SCALE.
bool roundedScaled(long scaled, long& out) {
  double r = static_cast<double>(scaled) * factorD;
  if (!inRange(r)) {
    ciferror("number out of range");
    return false;
  }
  out = std::lround(r);  // halves away from zero
  return true;
}

bool rounded(long v, long& out) { return roundedScaled(v * SCALE, out); }

bool truncated(long v, long& out) {
  float r = static_cast<float>(v * SCALE) * factorF;
  if (!inRange(r)) {
    ciferror("number out of range");
    return false;
  }
  out = static_cast<long>(r);
  return true;
}

// The cell geometry goes to; a file without definitions gets the top cell on demand.
_layout* currentCell() {
  if (!Gactive) {
    _layout* top = GCnewLayout("CIRCUIT");
    top->next = Gsymbols;
    Gsymbols = Gactive = Glayout = top;
    cellsByName[top->name] = top;
  }
  return Gactive;
}

_symbol* currentSlot() {
  if (ACsymb < 0 || ACsymb >= GC_MAX_SLOTS) {
    if (!warnedNoLayer) GCmessage(GC_MOD_CIF, 'W', "Geometry before any layer command is ignored");
    warnedNoLayer = true;
    return nullptr;
  }
  return GCslot(currentCell(), static_cast<int>(ACsymb), AClayerName(ACsymb));
}

void pushCell(_layout* cell) {
  cell->next = Gsymbols;
  Gsymbols = Gactive = Glayout = cell;
  cellsByName[cell->name] = cell;
}

void callName(long n, char* out, size_t size) {
  if (n == -1)
    snprintf(out, size, "-1");
  else
    snprintf(out, size, "CIRCUIT%ld", n);
}

// The instance of the current call, made with the next number at its first step.
_instance* callInstance() {
  if (!ACinst) {
    ACinst = GCnew<_instance>();
    ACinst->no = ACinstNo++;
  }
  return ACinst;
}

bool addStep(GOPTYPE type, long x, long y) {
  _instance* inst = callInstance();
  if (inst->optimes >= GC_MAX_STEPS) {
    ciferror("more than 32 transformation steps");
    return false;
  }
  inst->opcode[inst->optimes++] = _opcode{type, x, y};
  return true;
}

// Vertex list of the collected x y pairs starting at Ypoint[first], converted; each
// vertex extends the current cell's frame. Null on a range error.
bool collectPoints(long first, _points** out) {
  _points* head = nullptr;
  _points** tail = &head;
  _layout* cell = currentCell();
  for (long i = first; i + 1 < Ynum; i += 2) {
    long x, y;
    if (!roundedScaled(Ypoint[i], x) || !roundedScaled(Ypoint[i + 1], y)) {
      GCfreePoints(head);
      return false;
    }
    _points* p = GCnew<_points>();
    p->x = x;
    p->y = y;
    *tail = p;
    tail = &p->next;
    ACframe(x, y, cell);
  }
  *out = head;
  return true;
}

bool pointsInRange(const _points* p) {
  for (; p; p = p->next)
    if (!inRange(static_cast<double>(p->x)) || !inRange(static_cast<double>(p->y))) return false;
  return true;
}

// Writes the closing vertex out, so that a slanted closing edge is made
// rectilinear like every other edge before the polygon is cut into rectangles.
void closeRing(_points* ring) {
  _points* last = ring;
  while (last && last->next) last = last->next;
  if (!last || (last->x == ring->x && last->y == ring->y)) return;
  _points* p = GCnew<_points>();
  p->x = ring->x;
  p->y = ring->y;
  last->next = p;
}

void prependRects(_symbol* slot, _rects* list) {
  if (!list) return;
  _rects* last = list;
  while (last->next) last = last->next;
  last->next = slot->rect;
  slot->rect = list;
}
}  // namespace

void ACexit(int status) {
  fflush(stdout);
  fflush(stderr);
  if (ACexitHook) ACexitHook(status);
  exit(status);
}

void ACsetFactors() {
  factorD = static_cast<double>(CIF_RATIO_A) / static_cast<double>(CIF_RATIO_B) * CIF_FACTOR / LAMBDA_T1;
  float q = static_cast<float>(CIF_RATIO_A) / static_cast<float>(CIF_RATIO_B);
  factorF = static_cast<float>(q * CIF_FACTOR / LAMBDA_T1);
}

void ACbeginRead() {
  TopInstance = 0;
  Ynum = 0;
  ACinstNo = 0;
  ACmaxSymb = -1;
  warnedNoLayer = false;
  GCfreeInst(ACinst);
  ACinst = nullptr;
  cellsByName.clear();
  for (_layout* l = Gsymbols; l; l = l->next) cellsByName.emplace(l->name, l);
  ACsetFactors();
}

void ACabandonCall() {
  GCfreeInst(ACinst);
  ACinst = nullptr;
  Ynum = 0;
}

void ACinit() {
  GClayoutReset();
  CIF_RATIO_A = CIF_RATIO_B = 1;
  ACsymb = -1;
  ACbeginRead();
}

void ACreset() {
  ACinit();
  AC_initial_halfscale_error = 0;
  ACexitHook = nullptr;
  cifin = nullptr;
  linenr = 1;
}

bool LayerExist(const char* name) {
  if (!Gactive) return false;
  for (int i = 0; i < GC_MAX_SLOTS; ++i) {
    _symbol* s = Gactive->symbol[i];
    if (s && strcmp(s->layername, name) == 0) {
      ACsymb = i;
      return true;
    }
  }
  return false;
}

int FindLayer(const char* name) {
  for (int i = 0; i < GlayerNum; ++i)
    if (strcmp(Glayers[i].name, name) == 0) return Glayers[i].layer;
  return -1;
}

const char* AClayerName(long n) {
  for (int i = 0; i < GlayerNum; ++i)
    if (Glayers[i].layer == n) return Glayers[i].name;
  return "";
}

bool ACrdDS(long n, long a, long b) {
  char name[GC_NAME_LEN];
  callName(n, name, sizeof name);
  pushCell(GCnewLayout(name));
  ACmaxSymb = -1;
  ACinstNo = 0;
  CIF_RATIO_A = a;
  CIF_RATIO_B = b;
  ACsetFactors();
  TopInstance = 1;
  return true;
}

void ACrdDF() {
  Gactive = Glayout;
  ACmaxSymb = -1;
  TopInstance = 0;
}

bool ACrdLayer(const char* name) {
  currentCell();
  if (LayerExist(name)) return true;
  int layer = FindLayer(name);
  if (layer < 0 || layer >= GC_MAX_SLOTS) {
    printf("No such a layer name %s\n", name);
    ciferror("unknown layer");
    return false;
  }
  ACsymb = layer;
  GCslot(Gactive, layer, name);
  ++ACmaxSymb;
  return true;
}

bool ACrdBox(long length, long width, long x, long y) {
  long l, w, cx, cy;
  if (!rounded(length, l) || !rounded(width, w) || !rounded(x, cx) || !rounded(y, cy)) return false;
  long x1 = cx - l / 2, x2 = cx + l / 2, y1 = cy - w / 2, y2 = cy + w / 2;
  for (long v : {x1, x2, y1, y2}) {
    if (!inRange(static_cast<double>(v))) {
      ciferror("number out of range");
      return false;
    }
  }
  if (SCALE > 0 && ((4 * l) % SCALE || (4 * w) % SCALE || (4 * cx) % SCALE || (4 * cy) % SCALE)) {
    printf("Box %ld %ld %ld %ld is not in quarter_scale unit (scale = %ld)\n", l, w, cx, cy, SCALE);
    ++AC_initial_halfscale_error;
  }
  _symbol* slot = currentSlot();
  if (!slot) return true;
  // A negative size is read as its magnitude; a box without area is not stored.
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return true;
  GCsave1rect(Gactive, static_cast<int>(ACsymb), x1, y1, x2, y2);
  return true;
}

bool ACaddNumber(long v) {
  if (Ynum >= AC_MAX_NUMBERS) {
    ciferror("more than 1024 numbers in a wire or polygon");
    return false;
  }
  Ypoint[Ynum++] = v * SCALE;
  return true;
}

bool ACrdWire() {
  long width;
  _points* centre = nullptr;
  bool good = roundedScaled(Ypoint[0], width) && collectPoints(1, &centre);
  Ynum = 0;
  if (!good) return false;
  _symbol* slot = currentSlot();
  _polys* outline = slot ? GCpath2poly(centre, width) : nullptr;
  GCfreePoints(centre);
  // A sharp turn puts the outline's corner far out along the bisector.
  if (outline && !pointsInRange(outline->points)) {
    GCfreePoly(outline);
    ciferror("number out of range");
    return false;
  }
  if (outline) {
    closeRing(outline->points);
    prependRects(slot, GCpoly2rects(outline));
    GCfreePoly(outline);
  }
  return true;
}

bool ACrdPoly() {
  _points* vertices = nullptr;
  bool good = collectPoints(0, &vertices);
  Ynum = 0;
  if (!good) return false;
  _symbol* slot = currentSlot();
  if (slot && vertices) {
    closeRing(vertices);
    _polys poly{vertices, nullptr};
    prependRects(slot, GCpoly2rects(&poly));
  }
  GCfreePoints(vertices);
  return true;
}

bool ACrdCName(long n, const char* name) {
  if (n != 9) return true;
  if (strlen(name) > GC_NAME_LEN - 1) {
    ciferror("cell name too long");
    return false;
  }
  snprintf(currentCell()->cellname, GC_NAME_LEN, "%s", name);
  return true;
}

bool ACrdLabel(long n, const char* text, long x, long y, const char* layer) {
  if (n != 94) return true;
  long lx, ly;
  if (!truncated(x, lx) || !truncated(y, ly)) return false;
  const char* layerName = layer ? layer : "";
  if (!ACrdLayer(layerName)) return false;
  GCaddLabel(GCslot(Gactive, static_cast<int>(ACsymb), layerName), text, lx, ly);
  _pin* pin = GCnew<_pin>();
  pin->label = GCstrcpy(text);
  pin->layername = GCstrcpy(layerName);
  pin->x = lx;
  pin->y = ly;
  pin->layernum = static_cast<int>(ACsymb);
  pin->next = Gpin;
  Gpin = pin;
  return true;
}

bool ACcallTran(long x, long y) {
  long tx, ty;
  if (!truncated(x, tx) || !truncated(y, ty)) return false;
  return addStep(trans, tx, ty);
}

bool ACcallRot(long a, long b) { return addStep(rotate, a, b); }

bool ACcallMir(int axis) { return axis == 'X' ? addStep(mirror, -1, 1) : addStep(mirror, 1, -1); }

void ACcallName(long n, short topInstance) {
  _instance* inst = callInstance();
  ACinst = nullptr;
  Ynum = 0;
  if (topInstance == 0) pushCell(GCnewLayout("CIRCUIT"));
  _layout* cell = currentCell();
  callName(n, inst->cellname, sizeof inst->cellname);
  inst->next = cell->instance;
  cell->instance = inst;
  if (n == -1)
    printf("what is my name 1: %ld\n", n);
  else
    printf("what is my name 1: %s%ld\n", cell->name, n);
  printf("what is my name 11: %s\n", inst->cellname);
  auto found = cellsByName.find(inst->cellname);
  if (found != cellsByName.end()) {
    const _box& f = found->second->frame;
    if (!GCframeEmpty(f)) {
      long x, y;
      PointTrans(inst->opcode, inst->optimes, f.x1, f.y1, &x, &y);
      ACframe(x, y, cell);
      PointTrans(inst->opcode, inst->optimes, f.x2, f.y2, &x, &y);
      ACframe(x, y, cell);
    }
  }
}
