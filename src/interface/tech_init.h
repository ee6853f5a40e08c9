// Loading technology files: at start-up (DItechInit) and from the file dialog.
#pragma once

// Scale and defect settings from the settings file, then the default
// technology file (fatal "No system default technology file" when it cannot
// be opened; a format error is reported and start-up goes on).
void DItechInit();
// Acceptance code 1: parse `path` as the new technology; true on success.
bool DIloadTechnology(const char* path);
