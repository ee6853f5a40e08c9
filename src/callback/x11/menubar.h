// The menu bar built from the menu tree of the menu description file.
#pragma once
#include <Xm/Xm.h>

struct _Buttons;

Widget DIcreateMenuBar(Widget parent);
// Fills a pulldown menu with the buttons of a list, cascading into sub-lists.
void DIfillPulldown(Widget menu, _Buttons* list);
// Realises every pulldown's shell so that the widget registry sees their windows.
void DIrealizeMenus(Widget menuBar);
