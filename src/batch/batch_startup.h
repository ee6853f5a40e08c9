// Start-up of the batch program: the order of the window program's start-up
// without any step that needs a display.
#pragma once

void BAstartup();
