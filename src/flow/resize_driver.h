// The resizer's pipeline: scale check, contact preparation, passive-device
// removal, variables, symmetry, the process choice and one of two back ends
// (LP through lp_solve, or the graph compactor), with progress lines and the
// time report.
#pragma once

// f.new_resize: PROCESS_OPTION 1 (choice "63" without asking), then resize.
int new_resize();
// f.new_resize60: PROCESS_OPTION 0 (choice "60" without asking), then resize.
int new_resize60();
// The pipeline; asks for the process choice on standard input (through the
// queued replies) unless PROCESS_OPTION is 0 or 1.
void resize();
// The pipeline with `choice` (two characters) taken as if typed at the
// process-choice prompt, whatever PROCESS_OPTION says.
void RSresizeWithChoice(const char* choice);

// Whether two characters form a process choice the prompt accepts.
bool RSvalidChoice(char first, char second);
