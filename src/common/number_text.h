// Whole numbers typed by the user (script lines, option values).
#pragma once

// A 32-bit integer at the start of `text` (leading blanks allowed). With
// `rest`, *rest gets what follows it; without, nothing may follow. False for
// no number or one out of range; *out is then unchanged.
bool GCreadInt(const char* text, int* out, const char** rest = nullptr);
