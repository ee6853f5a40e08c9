// The highlight, selection and label switches read by the display.
#pragma once

extern short FsetHighlight;
extern short FsetSelected;
extern short FsetLabels;

// All three on (start-up).
void DIsetInit();
// Set the switch from the button label "On" or "Off"; any other label changes nothing.
int DIhswitch(void* widget, char* label, void* call);
int DIsswitch(void* widget, char* label, void* call);
int DIlswitch(void* widget, char* label, void* call);
