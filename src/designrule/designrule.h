// Design-rule tables (grid units) and the files that fill them: the built-in
// defaults, the simple rule file, the bridge file mapping CIF layers to
// Cadence layers, and the two Cadence technology files (input and target grid).
#pragma once
#include <cstdio>

inline constexpr int DR_MAX_LAYERS = 32;
inline constexpr int DR_MAX_TRAN = 8;

extern short WIDTH[DR_MAX_LAYERS];
extern short WIDTH_VALID[DR_MAX_LAYERS];
extern short SPACING[DR_MAX_LAYERS][DR_MAX_LAYERS];
extern short SPACING_VALID[DR_MAX_LAYERS][DR_MAX_LAYERS];
extern short EXTENSION[DR_MAX_LAYERS][DR_MAX_LAYERS];  // [outer][inner]
extern short EXTENSION_VALID[DR_MAX_LAYERS][DR_MAX_LAYERS];
extern short TRAN_WIDTH[DR_MAX_TRAN];
extern short TRAN_WIDTH_VALID[DR_MAX_TRAN];
extern short TRAN_LENGTH[DR_MAX_TRAN];
extern short TRAN_LENGTH_VALID[DR_MAX_TRAN];

// Working tables of the Cadence reader, in micrometres.
extern double TEMP_WIDTH[DR_MAX_LAYERS];
extern double TEMP_SPACING[DR_MAX_LAYERS][DR_MAX_LAYERS];
extern double TEMP_EXTENSION[DR_MAX_LAYERS][DR_MAX_LAYERS];
extern double TEMP_TRAN_WIDTH[DR_MAX_TRAN];
extern double TEMP_TRAN_LENGTH[DR_MAX_TRAN];

struct CIFtoCADENCElayers {
  char cif[64];           // technology layer name
  int layerNum;           // its layer number
  char cadenceLayer[64];  // from the bridge file
  char purpose[64];
  int cadenceLayerNum;    // not filled
};
extern CIFtoCADENCElayers CifToCadence[DR_MAX_LAYERS];

// 100 while the first Cadence file is read, 200 while the second is.
extern int design_rule_file;

// Restores the built-in default rules, an empty layer map and design_rule_file 0.
void DRreset();

// Table initialisers; DRclearAllRules runs all of them.
void DRinitTempWidth();
void DRinitTempSpacing();
void DRinitTempExtension();
void DRinitWidth();
void DRinitSpacing();
void DRinitExtension();
void DRinitTranWidthLength();
void DRclearAllRules();

// Dummy-layer ("XYZ") rules and the micrometre-to-grid conversion (LAMBDA_T2).
void DRgetDummyConstraint();
void DRupdateDrule();
// Rounds micrometres / grid to the nearest integer, halves away from zero,
// clamped to the range of the tables.
short DRtoGrid(double micrometres, double grid);

// Prints the tables to standard output.
void DRcheckDesRule();

// Layer map and bridge file.
void DRgetCifLayers(CIFtoCADENCElayers* map, const struct _layerDef* layers);
void DRparseBridge(FILE* file);

// Cadence technology files: 1 on success, 0 on a syntax error (reported by druleerror).
int DRparseCadenceDesRule1(FILE* file);
int DRparseCadenceDesRule2(FILE* file);
// The same readers over text in memory (used by the fuzzer and the tests).
int DRparseCadenceText(const char* text, unsigned long size, int which);

// Parser actions (quoted Cadence layer names, micrometre values).
void DRrdSpacing(const char* rule, const char* layer1, const char* layer2, double value);
void DRrdGrid(double value);
void DRrdSymContact(const char* contact, const char* layer1, const char* layer2, double width,
                    double ext1, double ext2);
void DRrdEnhanceDev(const char* gate, const char* diffusion, double width, double length,
                    double ext1, double ext2, const char* other, double ext3);

// "error on line %d %s: %s\n" on the error stream, with the current line and token.
void druleerror(const char* message);

// Simple design-rule file; 1 when read (the load always succeeds once open).
// Closes the file.
int ReadDesignRules(FILE* file);

// The acceptance of the file dialog for codes 4, 18, 19 and 20: open the
// named file, report, read. Return true when the file was read successfully.
bool DRacceptDesignRuleFile(const char* name);  // code 4
bool DRacceptBridgeFile(const char* name);      // code 18
bool DRacceptCadenceFile(const char* name, int which);  // codes 19 (which 1), 20 (which 2)
// The same as handlers of the acceptance table.
void DRacceptDesignRule(const char* name);
void DRacceptBridge(const char* name);
void DRacceptCadence1(const char* name);
void DRacceptCadence2(const char* name);
