// The value form: one shared prompt dialog, opened by button label.
#pragma once

// Opens the form named by `label` (e.g. "MaxSize") with its prompt and the
// current value; OK delivers the text to DIacceptCB with the label's code.
int DIsetForm(void* widget, char* label, void* call);
