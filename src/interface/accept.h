// The one acceptance routine behind the file dialog and the value form.
#pragma once

using DIacceptHandler = void (*)(const char* text);

// Does the work of acceptance `code` with the text the user chose or typed:
// sets PROCESS_INCLUDE_PASSIVE and PROCESS_INCLUDE_INDUCTOR to 1, prints
// " I am in DIacceptCB.............", checks that a file can be opened (with
// the code's own failure message) and runs the code's handler.
void DIacceptCB(int code, const char* text);

// The handler of a code (null while none is wired).
DIacceptHandler DIacceptHandlerFor(int code);
// Replaces a code's handler (front ends and tests); returns the previous one.
DIacceptHandler DIsetAcceptHandler(int code, DIacceptHandler handler);
