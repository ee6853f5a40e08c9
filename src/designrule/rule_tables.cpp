// The rule tables, their built-in defaults, clearing, the dummy-layer rules,
// the conversion to grid units and the table print.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "common/scale.h"
#include "designrule/designrule.h"
#include "techc/tech.h"

short WIDTH[DR_MAX_LAYERS];
short WIDTH_VALID[DR_MAX_LAYERS];
short SPACING[DR_MAX_LAYERS][DR_MAX_LAYERS];
short SPACING_VALID[DR_MAX_LAYERS][DR_MAX_LAYERS];
short EXTENSION[DR_MAX_LAYERS][DR_MAX_LAYERS];
short EXTENSION_VALID[DR_MAX_LAYERS][DR_MAX_LAYERS];
short TRAN_WIDTH[DR_MAX_TRAN];
short TRAN_WIDTH_VALID[DR_MAX_TRAN];
short TRAN_LENGTH[DR_MAX_TRAN];
short TRAN_LENGTH_VALID[DR_MAX_TRAN];

double TEMP_WIDTH[DR_MAX_LAYERS];
double TEMP_SPACING[DR_MAX_LAYERS][DR_MAX_LAYERS];
double TEMP_EXTENSION[DR_MAX_LAYERS][DR_MAX_LAYERS];
double TEMP_TRAN_WIDTH[DR_MAX_TRAN];
double TEMP_TRAN_LENGTH[DR_MAX_TRAN];

CIFtoCADENCElayers CifToCadence[DR_MAX_LAYERS];
int design_rule_file = 0;

namespace {

// Built-in rules of the default technology (layers 0 to 9).
constexpr short kDefaultWidth[10] = {2, 2, 3, 3, 3, 2, 2, 10, 3, 3};

struct PairRule {
  int a, b;
  short value;
};

constexpr PairRule kDefaultSpacing[] = {
    {0, 0, 2}, {0, 1, 2}, {0, 5, 2}, {0, 6, 2}, {0, 9, 1}, {1, 0, 2}, {1, 1, 3},
    {1, 5, 2}, {1, 6, 2}, {5, 0, 2}, {5, 1, 2}, {5, 2, 2}, {5, 5, 2}, {5, 6, 2},
    {6, 0, 2}, {6, 5, 2}, {6, 6, 2}, {6, 9, 2}, {7, 7, 7}, {7, 9, 5}, {8, 8, 3},
    {9, 0, 1}, {9, 6, 2}, {9, 7, 5}, {9, 9, 3}};

constexpr PairRule kDefaultExtension[] = {
    {0, 6, 1}, {0, 9, 2}, {3, 1, 1}, {4, 5, 2}, {4, 6, 2}, {7, 9, 3},
    {8, 1, 1}, {8, 5, 1}, {8, 6, 1}, {9, 0, 3}, {9, 5, 1}};

// Every entry of each table (whole arrays, not pointers) set to 0.
template <class... Table>
void zero(Table&... tables) {
  static_assert((std::is_array_v<Table> && ...));
  (memset(tables, 0, sizeof tables), ...);
}

void printEntry(short value, short valid) {
  if (valid)
    printf("%2d ", value);
  else
    printf(" . ");
}

void printSquare(const short table[][DR_MAX_LAYERS], const short valid[][DR_MAX_LAYERS], int n) {
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) printEntry(table[i][j], valid[i][j]);
    printf(" %s\n", Glayers[i].name);
  }
}

}  // namespace

void DRinitTempWidth() { zero(TEMP_WIDTH); }
void DRinitTempSpacing() { zero(TEMP_SPACING); }
void DRinitTempExtension() { zero(TEMP_EXTENSION); }
void DRinitWidth() { zero(WIDTH, WIDTH_VALID); }
void DRinitSpacing() { zero(SPACING, SPACING_VALID); }
void DRinitExtension() { zero(EXTENSION, EXTENSION_VALID); }

void DRinitTranWidthLength() {
  zero(TRAN_WIDTH, TRAN_WIDTH_VALID, TRAN_LENGTH, TRAN_LENGTH_VALID, TEMP_TRAN_WIDTH, TEMP_TRAN_LENGTH);
}

void DRclearAllRules() {
  DRinitTempWidth();
  DRinitTempSpacing();
  DRinitTempExtension();
  DRinitWidth();
  DRinitSpacing();
  DRinitExtension();
  DRinitTranWidthLength();
}

void DRreset() {
  DRclearAllRules();
  for (int i = 0; i < 10; ++i) {
    WIDTH[i] = kDefaultWidth[i];
    WIDTH_VALID[i] = 1;
  }
  for (const PairRule& r : kDefaultSpacing) {
    SPACING[r.a][r.b] = r.value;
    SPACING_VALID[r.a][r.b] = 1;
  }
  for (const PairRule& r : kDefaultExtension) {
    EXTENSION[r.a][r.b] = r.value;
    EXTENSION_VALID[r.a][r.b] = 1;
  }
  TRAN_WIDTH[0] = 3;
  TRAN_WIDTH_VALID[0] = 1;
  TRAN_LENGTH[0] = 1;
  TRAN_LENGTH_VALID[0] = 1;
  memset(CifToCadence, 0, sizeof CifToCadence);
  design_rule_file = 0;
}

namespace {
// The tables hold the defaults from the start, before any reset is called.
struct DefaultRules {
  DefaultRules() { DRreset(); }
} defaultRules;
}  // namespace

void DRgetDummyConstraint() {
  // Without a layer named XYZ the dummy rules land on layer 0.
  int x = 0;
  for (int i = 0; i < DR_MAX_LAYERS; ++i)
    if (strcmp(CifToCadence[i].cif, "XYZ") == 0) {
      x = i;
      break;
    }
  TEMP_WIDTH[x] = 0.3;
  WIDTH_VALID[x] = 1;
  for (int k = 0; k < DR_MAX_LAYERS; ++k) {
    if (CifToCadence[k].cif[0] == '\0') continue;
    TEMP_SPACING[x][k] = TEMP_SPACING[k][x] = 5.0;
    SPACING_VALID[x][k] = SPACING_VALID[k][x] = 1;
  }
}

short DRtoGrid(double micrometres, double grid) {
  if (!(grid > 0) || !std::isfinite(micrometres)) return 0;
  double q = micrometres / grid;
  // The small allowance keeps decimal halves such as 0.25 / 0.1 (just below
  // 2.5 in binary) rounding away from zero as written.
  double r = std::floor(std::fabs(q) + 0.5 + 1e-9);
  if (r > 32767) r = 32767;
  return static_cast<short>(q < 0 ? -r : r);
}

void DRupdateDrule() {
  for (int i = 0; i < DR_MAX_LAYERS; ++i) {
    WIDTH[i] = DRtoGrid(TEMP_WIDTH[i], LAMBDA_T2);
    for (int j = 0; j < DR_MAX_LAYERS; ++j) {
      SPACING[i][j] = DRtoGrid(TEMP_SPACING[i][j], LAMBDA_T2);
      EXTENSION[i][j] = DRtoGrid(TEMP_EXTENSION[i][j], LAMBDA_T2);
    }
  }
  for (int t = 0; t < DR_MAX_TRAN; ++t) {
    TRAN_WIDTH[t] = DRtoGrid(TEMP_TRAN_WIDTH[t], LAMBDA_T2);
    TRAN_LENGTH[t] = DRtoGrid(TEMP_TRAN_LENGTH[t], LAMBDA_T2);
  }
}

void DRcheckDesRule() {
  int n = 0;
  for (int i = 0; i < DR_MAX_LAYERS; ++i)
    if (WIDTH[i] != 0) n = i + 1;
  printf("WIDTH:\n");
  for (int i = 0; i < n; ++i) printEntry(WIDTH[i], WIDTH_VALID[i]);
  printf("\n\n");
  printf("EXTENSION: \n");
  printSquare(EXTENSION, EXTENSION_VALID, n);
  printf("\nSPACING: \n");
  printSquare(SPACING, SPACING_VALID, n);
  printf("\n");
  fflush(stdout);
}
