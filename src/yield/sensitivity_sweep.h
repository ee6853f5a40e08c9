// The sensitivity sweeps: the active layer's critical area over the whole
// plane for every defect size of the settings' range, into Fsensitivity.
#pragma once

int DYanaShort();
int DYanaOpen();
// The sweeps over a plane without the command's preconditions.
int DYsweepShorts(int plane);
int DYsweepOpens(int plane);
