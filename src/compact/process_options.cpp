#include "compact/process_options.h"

int PROCESS_INCLUDE_INDUCTOR = 1;
int PROCESS_INCLUDE_PASSIVE = 1;
