// The picking commands of extraction ask for one point on the main view with
// an input chain; the chosen world point is handed to their execute half.
#pragma once

using DExPointFn = void (*)(long x, long y);

// Starts a one-step chain with the prompt "Select a tile". With `repeat` the
// chain stays armed after each point (showing nets one after another).
void DExAskPoint(DExPointFn execute, bool repeat);
