// Process-time marks for the time reports.
#pragma once

// mode 0 records the start mark, any other mode the stop mark. Prints nothing.
void GCcpuTime(int mode, const char* procedure);
// Seconds of user + system time between the two marks.
double GCcpuSeconds();
