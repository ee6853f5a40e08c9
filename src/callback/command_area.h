// The hidden command area: typed text is stored in CommandLine and echoed.
#pragma once

// What the command widget's callback does with the converted text (null when
// the conversion failed).
void DIcommandText(const char* text);
