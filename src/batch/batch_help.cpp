#include "batch/batch_help.h"

#include "batch/batch_script.h"
#include "common/switch_help.h"

void BAprintHelp(FILE* out, const char* program) {
  GCprintSwitchHelp(out, program, "[SCRIPT]");
  fprintf(out,
          "Runs corvid's start-up without X, then the menu commands of SCRIPT (or standard input),\n"
          "one a line; '#' starts a comment:\n"
          "  f.NAME                 a menu command by its action name (lib/Dmenu.txt)\n"
          "  f.NAME FILE            a command that opens the file dialog takes the file name\n"
          "  f.DIsetForm LABEL VAL  a value form: the button label, then the text typed\n"
          "  f.NAME LABEL           commands that read their button label (f.DIhswitch On)\n"
          "  f.NAME TEXT            commands that take a string (f.DExNameNet VDD)\n"
          "  layer NAME             make the layer active (needs the tile planes of a loaded layout)\n"
          "  point X Y              a button-1 click at world coordinates (internal units)\n"
          "  point3                 a button-3 click\n"
          "  scale N                the defect-size slider, tenths of a grid unit\n"
          "  view FILE              draw the main view to FILE (.png, or .svg)\n"
          "  viewsize W H           pixels of the view images (800 x 600 at start)\n"
          "  plots png|svg|off      image format of the plot commands' files\n"
          "Exit status: %d every line did its work; %d a fatal error (the message says which);\n"
          "  %d a line was no command (reported with its number); %d a command could not do its\n"
          "  work (a file it could not open or read, a missing precondition such as no active\n"
          "  layer: it reported an error or a warning). f.exit ends the script.\n",
          BA_EXIT_OK, BA_EXIT_FATAL, BA_EXIT_BAD_LINE, BA_EXIT_COMMAND_FAILED);
}
