// Showing and hiding the message area, the command area and the side panel.
#pragma once

extern int MessCloseFlag;  // 1 while the message area is hidden
extern int CommCloseFlag;  // 1 while the command area is hidden (so at start)
extern int PaneCloseFlag;  // 1 while the side panel is hidden

int DIopenMess(void* widget, char* label, void* call);
int DIcloseMess(void* widget, char* label, void* call);
int DIopenComm(void* widget, char* label, void* call);
int DIcloseComm(void* widget, char* label, void* call);
int DIopenPane(void* widget, char* label, void* call);
int DIclosePane(void* widget, char* label, void* call);

void DIresetPanes();
