// External commands of the graph back end (date, cp, mv), run without a shell.
#pragma once

// Runs `argv` (argv[0] looked up in PATH) after flushing standard output, and
// waits for it; returns its exit status, or -1 when it could not run.
int SQrunCommand(const char* const* argv);
// The "at" lines of the driver: `date` on standard output, then a newline.
void SQprintDate();
