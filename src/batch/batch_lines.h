// Script lines other than "f." commands: "point X Y", "point3", "view FILE",
// "scale N", "layer NAME", "option NAME VALUE", "resize NN", "answer TEXT". Each keyword has one row in BAlineTable
// (batch_lines.cpp); the handler gets the text after the keyword (trimmed,
// comment removed) and the line number, and returns false when the line is
// wrong (it reports why, naming the line).
#pragma once

using BAlineHandler = bool (*)(const char* args, int lineno);

struct BAlineRow {
  const char* keyword;
  BAlineHandler handler;
};

// The handler of a keyword, or null.
BAlineHandler BAfindLine(const char* keyword);

// Helpers for handlers: parse exactly `count` integers (in 32-bit range) from
// args; report "Script line %d: %s" with the reason and return false otherwise.
bool BAparseLongs(const char* args, int count, long* values, int lineno, const char* keyword);
void BAlineError(int lineno, const char* reason, const char* detail);
