#include "callback/command_area.h"

#include <cstring>

#include "common/message.h"
#include "common/settings.h"

void DIcommandText(const char* text) {
  if (!text) {
    GCmessage(GC_MOD_CALLBACK, 'W', "Corvid received a NULL string");
    return;
  }
  size_t n = strlen(text);
  if (n < sizeof CommandLine) memcpy(CommandLine, text, n + 1);
  GCmessage(GC_MOD_CALLBACK, 'M', "Corvid received a string: %s", text);
}
