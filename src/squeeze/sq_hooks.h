// Stages of the graph back end that other modules provide: device resizing,
// contacts and vias, passive devices, the symmetry core LP and wirelength
// minimisation. Each module installs its functions here; a stage whose
// function is not installed is skipped where the layout cannot need it
// (passive devices are only met once their recogniser is installed) and
// stops the run before anything is written where the options ask for it
// (SQmissingStage).
#pragma once

struct SQCELL_item;
struct SQARC_item;

struct SQdeviceHooks {
  // Contacts and transistors (graph building and resizing).
  void (*contactConstraints)() = nullptr;       // UScalc_cont_constraint + USreset_parameter
  void (*activeContact)(int direction) = nullptr;  // USactivecontact
  void (*updateParameters)() = nullptr;         // USupdateparameter
  void (*resizeTransistors)() = nullptr;        // UStransistor
  void (*transistorParasitics)(int direction) = nullptr;  // PAtran
  void (*synthesisNetlist)() = nullptr;         // SYtran_netlist_output
  int (*synthesisCheck)() = nullptr;            // SYtran_check: error count
  // Vias.
  void (*viaConstraints)(int direction) = nullptr;  // VCcalc + VCsize
  int (*isViaLayer)(const char* layer) = nullptr;   // VCvialayer
  // Passive devices: generation (horizontal pass) and constraints per direction.
  void (*inductorGen)() = nullptr;
  void (*inductorConstraints)(int direction) = nullptr;
  void (*capacitorGen)() = nullptr;
  void (*capacitorConstraints)(int direction) = nullptr;
  void (*resistorGen)() = nullptr;
  void (*resistorConstraints)(int direction) = nullptr;
  // Solving beyond longest paths.
  void (*coreProblem)() = nullptr;  // SQcoreproblem
  int (*wirelengthMinimization)(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs) = nullptr;
  // Geometry appended to the output: each gets the names of the unfinished
  // "sq_out.cif" and "sq_out.comment", which it opens for appending.
  void (*insertContacts)(const char* cif, const char* comment) = nullptr;   // USinsertcontact
  void (*insertInductors)(const char* cif, const char* comment) = nullptr;  // LXinsertInductor
  void (*viaCif)(const char* cif, const char* comment) = nullptr;           // VCcif
  void (*deleteContactList)() = nullptr;                                    // USdeletecontactlist
};

extern SQdeviceHooks SQhooks;

// The first stage the current options need and nobody installed, with the
// way around it, or null when the run can go ahead. `symmetryColumns` says
// whether the equation stores hold symmetry rows (then the core LP is needed).
struct SQmissing {
  const char* stage;
  const char* avoid;
};
const SQmissing* SQmissingStage(bool symmetryColumns);
