// The one message routine through which every module reports.
#pragma once

// Module numbers (first argument of GCmessage); they never change the output.
enum GCmodule {
  GC_MOD_COMMON = 0, GC_MOD_INTERFACE = 1, GC_MOD_CIF = 2, GC_MOD_DISPLAY = 3,
  GC_MOD_CALLBACK = 4, GC_MOD_EVENT = 5, GC_MOD_VIEW = 7, GC_MOD_TECH = 8,
  GC_MOD_CS = 9, GC_MOD_EXTRACT = 10, GC_MOD_FAULT = 11, GC_MOD_YIELD = 12,
  GC_MOD_RC = 13
};

inline constexpr int GC_MESSAGE_MAX = 1024;

// Composes "<prefix><formatted>." (at most 1024 bytes), hands it to the display
// half (GCprintout) and, unless Silently, echoes it with a newline on stderr.
// A fatal line goes to stderr once, with its newline, silent or not.
// Severities: 'F' 'E' 'W' 'M' 'D' 'Q' 'S' 'P' 'L'.
void GCmessage(int module, char severity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// 'F' message followed by exit(status): for the fatal paths of every module.
[[noreturn]] void GCfatal(int module, int status, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The display half. Without a window (batch program, tests) it does nothing
// but remember the line; the Motif front end installs its own hook.
void GCprintout(int module, char severity, const char* text);
using GCdisplayHook = void (*)(int module, char severity, const char* text);
void GCsetDisplayHook(GCdisplayHook hook);

// The last composed line and its severity (tests and the batch front end).
const char* GClastMessage();
char GClastSeverity();
void GCresetMessages();
