#include "callback/x11/widgets.h"

#include <Xm/CascadeB.h>
#include <Xm/FileSB.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/MessageB.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/Separator.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <X11/IntrinsicP.h>
#include <X11/CompositeP.h>

#include <cstdio>

Widget theDeskWidget, theMainWidget, thePane;
Widget thePaned1, thePaned2, thePaned3, thePaned4, thePaned5;
Widget theMenuBar, theMessage, theWorkWidget, theDrawWidget;
Widget theRowColumn, theScaleWidget, theScaleBar, theLayerPanel, theLayerWidget, theShowWidget;
Widget theCommand, thePopupWindow, thePopupDraw, theForm, theOpenDialog, thePopup;

namespace {
Widget managed(Widget w) {
  XtManageChild(w);
  return w;
}

XmString xmString(const char* s) { return XmStringCreateLocalized(const_cast<char*>(s)); }

// A managed widget of `type` showing `label` and nothing else set.
Widget labelled(WidgetClass type, Widget parent, const char* name, const char* label) {
  XmString s = xmString(label);
  Widget w = XtVaCreateWidget(name, type, parent, XmNlabelString, s, nullptr);
  XmStringFree(s);
  return managed(w);
}
}  // namespace

Widget CreateLabel(Widget parent, const char* name, const char* label) {
  return labelled(xmLabelWidgetClass, parent, name, label);
}

Widget CreateText(Widget parent, const char* name, const char* text) {
  return managed(XtVaCreateWidget(name, xmTextFieldWidgetClass, parent, XmNvalue, text, nullptr));
}

Widget CreateMultilineText(Widget parent, const char* name, const char* text, int rows, int columns) {
  return managed(XtVaCreateWidget(name, xmTextWidgetClass, parent, XmNeditMode, XmMULTI_LINE_EDIT, XmNrows, rows,
                                  XmNcolumns, columns, XmNvalue, text, nullptr));
}

Widget CreateToggle(Widget parent, const char* name, const char* label, bool set) {
  XmString s = xmString(label);
  Widget w = XtVaCreateWidget(name, xmToggleButtonWidgetClass, parent, XmNlabelString, s, XmNset,
                              set ? XmSET : XmUNSET, nullptr);
  XmStringFree(s);
  return managed(w);
}

Widget CreateScale(Widget parent, const char* name, const char* title, int minimum, int maximum, int value) {
  XmString s = xmString(title);
  if (maximum <= minimum) maximum = minimum + 1;
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
  Widget w = XtVaCreateWidget(name, xmScaleWidgetClass, parent, XmNtitleString, s, XmNminimum, minimum, XmNmaximum,
                              maximum, XmNvalue, value, XmNdecimalPoints, 1, XmNshowValue, True, XmNorientation,
                              XmHORIZONTAL, nullptr);
  XmStringFree(s);
  return managed(w);
}

Widget CreateList(Widget parent, const char* name, int visibleItems) {
  return managed(XtVaCreateWidget(name, xmListWidgetClass, parent, XmNvisibleItemCount, visibleItems, nullptr));
}

Widget CreateDialog(Widget parent, const char* name, const char* title) {
  Widget w = XmCreateMessageDialog(parent, const_cast<char*>(name), nullptr, 0);
  XtVaSetValues(XtParent(w), XmNtitle, title, nullptr);
  return w;
}

Widget CreateFileSelection(Widget parent, const char* name) {
  return XmCreateFileSelectionDialog(parent, const_cast<char*>(name), nullptr, 0);
}

Widget CreateRadioBox(Widget parent, const char* name) {
  return managed(XmCreateRadioBox(parent, const_cast<char*>(name), nullptr, 0));
}

Widget CreateColorLabel(Widget parent, const char* name, const char* label, Pixel foreground) {
  XmString s = xmString(label);
  Widget w = XtVaCreateWidget(name, xmPushButtonWidgetClass, parent, XmNlabelString, s, XmNforeground, foreground,
                              nullptr);
  XmStringFree(s);
  return managed(w);
}

Widget CreatePushButton(Widget parent, const char* name, const char* label) {
  return labelled(xmPushButtonWidgetClass, parent, name, label);
}

Widget CreateSeparator(Widget parent, const char* name) {
  return managed(XtVaCreateWidget(name, xmSeparatorWidgetClass, parent, nullptr));
}

Widget CreateCascade(Widget parent, const char* name, const char* label, Widget submenu) {
  XmString s = xmString(label);
  Widget w = XtVaCreateWidget(name, xmCascadeButtonWidgetClass, parent, XmNlabelString, s, XmNsubMenuId, submenu,
                              XmNmnemonic, static_cast<KeySym>(static_cast<unsigned char>(label[0])), nullptr);
  XmStringFree(s);
  return managed(w);
}

Widget CreatePulldown(Widget parent, const char* name) {
  return XmCreatePulldownMenu(parent, const_cast<char*>(name), nullptr, 0);
}

void SetLabel(Widget w, const char* label) {
  XmString s = xmString(label);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

char* DIplainString(XmString s) {
  if (!s) return nullptr;
  return static_cast<char*>(XmStringUnparse(s, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, nullptr, 0, XmOUTPUT_ALL));
}

namespace {
void dumpTree(Widget w, int depth) {
  if (!w) return;
  printf("%*s%s (%s)\n", depth * 2, "", XtName(w), XtClass(w)->core_class.class_name);
  if (XtIsComposite(w)) {
    CompositeWidget c = reinterpret_cast<CompositeWidget>(w);
    for (Cardinal i = 0; i < c->composite.num_children; ++i) dumpTree(c->composite.children[i], depth + 1);
  }
  if (XtIsWidget(w))
    for (Cardinal i = 0; i < w->core.num_popups; ++i) dumpTree(w->core.popup_list[i], depth + 1);
}
}  // namespace

void dump_widget_tree(Widget w) { dumpTree(w, 0); }
