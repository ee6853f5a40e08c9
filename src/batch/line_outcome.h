// Whether a script line did its work. A command that cannot (a file it
// cannot open or read, a precondition missing such as no active layer or no
// extracted circuit) says so with an error or a warning; the batch program
// watches the messages of each line for those.
#pragma once

// Installs the watch as the message display hook (the batch program has no
// message area of its own).
void BAwatchMessages();
// Forgets what the previous line reported.
void BAstartLine();
// Whether the current line reported an error or a warning.
bool BAlineFailed();
