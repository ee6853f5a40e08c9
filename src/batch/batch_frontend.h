// The batch program's stand-in for dialogs: a command that opens the file
// dialog or the value form leaves a pending request, which the script line's
// argument then answers as the dialog's OK button would.
#pragma once

enum BArequestKind { BA_NONE, BA_FILE, BA_FORM };

struct BArequest {
  BArequestKind kind = BA_NONE;
  int code = -1;
};

// Installs the batch hooks as the front end.
void BAinstallFrontEnd();
const BArequest& BApending();
void BAclearPending();
