// The widgets of the main window and the thin wrappers that make them: each
// wrapper creates one Motif widget with its label, manages it and returns it.
#pragma once
#include <Xm/Xm.h>

extern Widget theDeskWidget, theMainWidget, thePane;
extern Widget thePaned1, thePaned2, thePaned3, thePaned4, thePaned5;
extern Widget theMenuBar, theMessage, theWorkWidget, theDrawWidget;
extern Widget theRowColumn, theScaleWidget, theScaleBar, theLayerPanel, theLayerWidget, theShowWidget;
extern Widget theCommand, thePopupWindow, thePopupDraw, theForm, theOpenDialog, thePopup;

Widget CreateLabel(Widget parent, const char* name, const char* label);
Widget CreateText(Widget parent, const char* name, const char* text);
Widget CreateMultilineText(Widget parent, const char* name, const char* text, int rows, int columns);
Widget CreateToggle(Widget parent, const char* name, const char* label, bool set);
Widget CreateScale(Widget parent, const char* name, const char* title, int minimum, int maximum, int value);
Widget CreateList(Widget parent, const char* name, int visibleItems);
Widget CreateDialog(Widget parent, const char* name, const char* title);
Widget CreateFileSelection(Widget parent, const char* name);
Widget CreateRadioBox(Widget parent, const char* name);
Widget CreateColorLabel(Widget parent, const char* name, const char* label, Pixel foreground);
Widget CreatePushButton(Widget parent, const char* name, const char* label);
Widget CreateSeparator(Widget parent, const char* name);
Widget CreateCascade(Widget parent, const char* name, const char* label, Widget submenu);
Widget CreatePulldown(Widget parent, const char* name);
void SetLabel(Widget w, const char* label);
// The pixel of the views' background colour.
Pixel GCbackgroundPixel();
// The text of a compound string, as a new string the caller frees with XtFree.
char* DIplainString(XmString s);
// Prints the widget tree below `w` (a debugging aid).
void dump_widget_tree(Widget w);
