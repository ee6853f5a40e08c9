// External programs (lp_solve, date, mv, cp) started directly, never through
// a shell: arguments go to the program as they are, and standard input and
// output are redirected to files here, so names with blanks, quotes, ";" or
// "$(...)" are just names.
#pragma once

// Runs argv[0] (looked up in PATH unless it holds a "/") with the null-ended
// argument list `argv` and waits for it. `stdinFile` (or null: inherited) is
// opened for reading; `stdoutFile` (or null: inherited) is created or
// truncated. Returns the program's exit status, 128 + the signal that ended
// it, or -1 when it could not be started: then one message names the missing
// program (or the unreadable input) and no output file is made.
int GCrunProgram(const char* const argv[], const char* stdinFile = nullptr,
                 const char* stdoutFile = nullptr);

// The system date on standard output (the progress lines' time stamps).
// Standard output is flushed first so the lines stay in order.
void GCrunDate();
