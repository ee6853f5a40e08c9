// The main window: the widget tree, the shared dialogs, the message area and
// the hooks through which core commands reach them.
#pragma once
#include <Xm/Xm.h>

// Builds and realises the widget tree (the shell's name is `name`).
void DIcreateApp(const char* name);
// Installs the message-area hook and the front-end and window hooks.
void DIinstallFrontEnd();
// Puts Vmain and Vpopup on their drawing areas.
void DIviewportsInit();
void DIcommandCB(Widget w, XtPointer client, XtPointer call);
void DIpopdown(Widget w, XtPointer client, XtPointer call);
void DIacceptXCB(Widget w, XtPointer code, XtPointer call);
void DIcancelCB(Widget w, XtPointer code, XtPointer call);
