// Runs a script of menu commands, one a line ("#" starts a comment).
#pragma once
#include <cstdio>

// Runs one line; false when the line is not a valid command (reported with
// its number). A command that fails in its own right still returns true.
bool BArunLine(const char* line, int lineno);
// Runs every line of `script`; returns the number of invalid lines.
int BArunScript(FILE* script);
