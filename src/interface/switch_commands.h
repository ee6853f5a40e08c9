// The commands of the highlight, selection and label switches.
#pragma once
#include "display/show_flags.h"

// Set the switch from the button label "On" or "Off"; any other label changes nothing.
int DIhswitch(void* widget, char* label, void* call);
int DIsswitch(void* widget, char* label, void* call);
int DIlswitch(void* widget, char* label, void* call);
