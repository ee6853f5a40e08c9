// Start-up of the Motif program and its event loop.
#pragma once

// Initialises every subsystem in order, builds the window and runs the event
// loop; it never returns.
[[noreturn]] void DInterface(int argc, char** argv);
