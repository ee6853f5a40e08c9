// The acceptance codes of extraction: 13 terminal name, 14 net name, 15 net number.
#pragma once

void DIacceptDefIO(const char* text);
void DIacceptNameNet(const char* text);
void DIacceptFindNet(const char* text);
