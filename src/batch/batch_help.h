// corvid-batch --help: the switches, the script syntax and the exit statuses.
#pragma once
#include <cstdio>

void BAprintHelp(FILE* out, const char* program);
