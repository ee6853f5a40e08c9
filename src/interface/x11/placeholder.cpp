// Motif front end (filled in by the GUI work).
#include <Xm/Xm.h>
