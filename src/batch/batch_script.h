// Runs a script of menu commands, one a line ("#" starts a comment).
#pragma once
#include <cstdio>

// Exit statuses of corvid-batch (a fatal error exits at once with its own
// status, 1 as a rule).
enum BAexitStatus {
  BA_EXIT_OK = 0,
  BA_EXIT_FATAL = 1,
  BA_EXIT_BAD_LINE = 2,        // a line was not a valid command
  BA_EXIT_COMMAND_FAILED = 3,  // a command reported an error or a warning
};

// Runs one line; false when the line is not a valid command (reported with
// its number). A command that fails in its own right still returns true.
bool BArunLine(const char* line, int lineno);

struct BAscriptOutcome {
  int badLines = 0;     // not valid commands
  int failedLines = 0;  // commands that reported an error or a warning
  int status() const {
    return badLines ? BA_EXIT_BAD_LINE : failedLines ? BA_EXIT_COMMAND_FAILED : BA_EXIT_OK;
  }
};
// Runs the lines of `script` up to its end or an "f.exit" line.
BAscriptOutcome BArunScript(FILE* script);
