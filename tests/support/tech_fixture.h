// Helpers for tests that read technology files through the real reader.
#pragma once
#include <string>

// Resets the technology tables and the colour table, then reads the bundled
// colour list (ColorFile of $SYSRC) so that layer colours can be checked.
void CVresetTechnology();
// Parses `text` as a technology file: DTrdInit + TECHparse. Returns TECHparse's result.
int CVparseTech(const std::string& text);
// Same, collecting what the reader wrote on standard output and standard error.
int CVparseTechCaptured(const std::string& text, std::string* out, std::string* err);
