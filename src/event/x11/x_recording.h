// The widget registry and the X side of recording and playback.
#pragma once
#include <X11/Intrinsic.h>

extern Window FwidgetList[];

void DIregiWindows(Widget top);
int DIwindowIndex(Window window);  // 0 when not registered
Window DIfindWindow(int index);
void DIrecordEvent(XEvent* event);
// Spends time in a loop of n floating-point steps (the pause between replayed events).
void FPassSomeTime(int n);
// Installs the X player behind DIplayback.
void DIinstallPlayer();
