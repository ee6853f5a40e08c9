// The defect-size scale of the side panel: its value in tenths of a micron,
// read by the fault and yield commands and set by the sensitivity sweep.
#pragma once

int DIscaleValue();
void DIsetScaleValue(int tenths);
// The window shows the value on its slider (installed by the Motif program).
void DIsetScaleHook(void (*show)(int tenths));
// Called by the window when the user moves the slider.
void DIscaleMoved(int tenths);
void DIresetScale();
