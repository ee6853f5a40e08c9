#include "callback/x11/main_window.h"

#include <Xm/BulletinB.h>
#include <Xm/Command.h>
#include <Xm/DrawingA.h>
#include <Xm/FileSB.h>
#include <Xm/Frame.h>
#include <Xm/MainW.h>
#include <Xm/MessageB.h>
#include <Xm/PanedW.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>
#include <Xm/SelectioB.h>
#include <Xm/Separator.h>
#include <X11/Shell.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "callback/command_area.h"
#include "callback/pane_commands.h"
#include "callback/x11/layer_buttons.h"
#include "callback/x11/menubar.h"
#include "callback/x11/widgets.h"
#include "common/defect_scale.h"
#include "common/frontend.h"
#include "common/message.h"
#include "common/scale.h"
#include "common/switches.h"
#include "display/canvas.h"
#include "display/viewport.h"
#include "display/window_hooks.h"
#include "display/x11/x_canvas.h"
#include "event/x11/input_glue.h"
#include "init/x11/xinit.h"
#include "interface/accept.h"
#include "interface/file_commands.h"
#include "techc/tech.h"
#include "view/view.h"

namespace {
constexpr int DRAW_WIDTH = 960;
constexpr int DRAW_HEIGHT = 560;
constexpr int PLOT_WIDTH = 520;
constexpr int PLOT_HEIGHT = 400;

Cursor busyCursor = None;
GCxCanvas* mainCanvas = nullptr;
GCxCanvas* popupCanvas = nullptr;

XmString xmString(const char* s) { return XmStringCreateLocalized(const_cast<char*>(s)); }

void setMessage(Widget box, const char* text, unsigned char type) {
  XmString s = xmString(text);
  XtVaSetValues(box, XmNmessageString, s, XmNdialogType, type, nullptr);
  XmStringFree(s);
}

void unmanageChildren(Widget box, std::initializer_list<unsigned char> which) {
  for (unsigned char c : which)
    if (Widget w = XmMessageBoxGetChild(box, c)) XtUnmanageChild(w);
}

// Keeps the toolkit running until the notice is on the screen.
void waitViewable(Widget w) {
  for (int i = 0; i < 400; ++i) {
    while (XtAppPending(app)) XtAppProcessEvent(app, XtIMAll);
    XWindowAttributes a;
    if (XtWindow(w) && XGetWindowAttributes(theDisplay, XtWindow(w), &a) && a.map_state == IsViewable) return;
    usleep(5000);
  }
}

void printout(int, char severity, const char* text) {
  if (!theDisplay) return;
  XSynchronize(theDisplay, True);
  switch (severity) {
    case 'E': if (theMessage) setMessage(theMessage, text, XmDIALOG_ERROR); break;
    case 'W': if (theMessage) setMessage(theMessage, text, XmDIALOG_WARNING); break;
    case 'M': if (theMessage) setMessage(theMessage, text, XmDIALOG_INFORMATION); break;
    case 'D': if (theMessage) setMessage(theMessage, text, XmDIALOG_WORKING); break;
    case 'Q': if (theMessage) setMessage(theMessage, text, XmDIALOG_QUESTION); break;
    case 'S':
    case 'P':
      if (!thePopup) break;
      setMessage(thePopup, text, XmDIALOG_WORKING);
      XtManageChild(thePopup);
      if (severity == 'P') {
        waitViewable(XtParent(thePopup));
        if (theDeskWidget) XmUpdateDisplay(theDeskWidget);
        if (busyCursor == None) busyCursor = GGdefineCursor("BUSY", "White", "Black");
      }
      break;
    case 'L':
      if (thePopup) XtUnmanageChild(thePopup);
      if (theDeskWidget && XtWindow(theDeskWidget)) XUndefineCursor(theDisplay, XtWindow(theDeskWidget));
      if (busyCursor != None) {
        XFreeCursor(theDisplay, busyCursor);
        busyCursor = None;
      }
      if (theMessage) setMessage(theMessage, text, XmDIALOG_INFORMATION);
      break;
    default:
      break;
  }
  if (theDeskWidget) XmUpdateDisplay(theDeskWidget);
  if (!DebugStatus) XSynchronize(theDisplay, XSyncValue);
}

bool isFileCode(int code) {
  return code == DI_ACCEPT_CIF_READ || code == DI_ACCEPT_TECH || code == DI_ACCEPT_DESIGN_RULE ||
         code == DI_ACCEPT_CIF_LOAD || code == DI_ACCEPT_SYMMETRY || (code >= DI_ACCEPT_BRIDGE && code <= DI_ACCEPT_SIZES);
}

void bindDialog(Widget dialog, int code) {
  XtRemoveAllCallbacks(dialog, XmNokCallback);
  XtRemoveAllCallbacks(dialog, XmNcancelCallback);
  XtAddCallback(dialog, XmNokCallback, DIacceptXCB, reinterpret_cast<XtPointer>(static_cast<long>(code)));
  XtAddCallback(dialog, XmNcancelCallback, DIcancelCB, reinterpret_cast<XtPointer>(static_cast<long>(code)));
}

void focusText(Widget dialog, unsigned char child) {
  Widget text = XmSelectionBoxGetChild(dialog, child);
  if (text) XmProcessTraversal(text, XmTRAVERSE_CURRENT);
}

void openFileDialog(int code) {
  bindDialog(theOpenDialog, code);
  XtManageChild(theOpenDialog);
  focusText(theOpenDialog, XmDIALOG_TEXT);
}

void openForm(const char* prompt, const char* value, int code) {
  XmString p = xmString(prompt);
  XmString v = xmString(value ? value : "");
  XtVaSetValues(theForm, XmNselectionLabelString, p, XmNtextString, v, nullptr);
  XmStringFree(p);
  XmStringFree(v);
  bindDialog(theForm, code);
  XtManageChild(theForm);
  focusText(theForm, XmDIALOG_TEXT);
}

void popdownDialog() {
  if (theOpenDialog) XtUnmanageChild(theOpenDialog);
  if (theForm) XtUnmanageChild(theForm);
}

void setScaleRange(int minimum, int maximum) {
  if (!theScaleBar) return;
  if (maximum <= minimum) maximum = minimum + 1;
  int value = DIscaleValue();
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
  XtVaSetValues(theScaleBar, XmNminimum, minimum, XmNmaximum, maximum, XmNvalue, value, nullptr);
  DIscaleMoved(value);
}

void showScaleValue(int tenths) {
  if (!theScaleBar) return;
  int minimum, maximum;
  XtVaGetValues(theScaleBar, XmNminimum, &minimum, XmNmaximum, &maximum, nullptr);
  if (tenths >= minimum && tenths <= maximum) XmScaleSetValue(theScaleBar, tenths);
}

void scaleMoved(Widget, XtPointer, XtPointer call) {
  DIscaleMoved(static_cast<XmScaleCallbackStruct*>(call)->value);
}

Widget paneFrame(int pane) {
  switch (pane) {
    case DI_PANE_MESSAGE: return thePaned2;
    case DI_PANE_SIDE: return thePaned4;
    case DI_PANE_COMMAND: return thePaned5;
    default: return nullptr;
  }
}

// The drawing area is the one pane that absorbs what the others give up or take.
void showPane(int pane, int show) {
  Widget frame = paneFrame(pane);
  if (!frame) return;
  if (show) XtManageChild(frame);
  else XtUnmanageChild(frame);
}

void popupPlot() {
  if (thePopupWindow) XtPopup(thePopupWindow, XtGrabNone);
}

void mainExpose(Widget, XtPointer, XtPointer call) {
  auto* cbs = static_cast<XmDrawingAreaCallbackStruct*>(call);
  if (!cbs->event || cbs->event->type != Expose) return;
  const XExposeEvent& e = cbs->event->xexpose;
  DVrefresh(e.x, e.y, e.width, e.height);
}

void popupExpose(Widget, XtPointer, XtPointer) { DIplotRedraw(); }

Widget makeFrame(Widget parent, const char* name, bool manage = true) {
  Widget f = XtVaCreateWidget(name, xmFrameWidgetClass, parent, nullptr);
  if (manage) XtManageChild(f);
  return f;
}

void buildSidePanel() {
  theRowColumn = XtVaCreateManagedWidget("ROWCOLUMN", xmRowColumnWidgetClass, thePaned4, XmNorientation,
                                         XmHORIZONTAL, nullptr);
  // A radio box holding a scale: not the toggle-only kind.
  Arg args[1];
  XtSetArg(args[0], XmNisHomogeneous, False);
  theScaleWidget = XmCreateRadioBox(theRowColumn, const_cast<char*>("SCALEW"), args, 1);
  XtManageChild(theScaleWidget);
  long g = theGlobalScale > 0 ? theGlobalScale : 1;
  int minimum = static_cast<int>((theMinDefectSize / g) * 10), maximum = static_cast<int>((theMaxDefectSize / g) * 10);
  theScaleBar = CreateScale(theScaleWidget, "Scale", "defect size", minimum, maximum, minimum);
  XtVaSetValues(theScaleBar, XmNscaleWidth, 220, nullptr);
  XtAddCallback(theScaleBar, XmNvalueChangedCallback, scaleMoved, nullptr);
  XtAddCallback(theScaleBar, XmNdragCallback, scaleMoved, nullptr);
  DIscaleMoved(minimum);
  XtVaCreateManagedWidget("Sep2", xmSeparatorWidgetClass, theRowColumn, XmNorientation, XmVERTICAL, nullptr);
  theLayerPanel = XtVaCreateManagedWidget("LAYERPANEL", xmRowColumnWidgetClass, theRowColumn, XmNorientation,
                                          XmHORIZONTAL, nullptr);
  DIbuildLayerPanel(theLayerPanel);
}

void buildPopup() {
  thePopupWindow = XtVaCreatePopupShell("POPUPWINDOW", topLevelShellWidgetClass, theMainWidget, XmNtitle,
                                        "Corvid plot", nullptr);
  Widget frame = makeFrame(thePopupWindow, "POPUPFRAME");
  Widget area = XtVaCreateManagedWidget("BUTTONAREA", xmBulletinBoardWidgetClass, frame, nullptr);
  Widget buttonFrame = XtVaCreateManagedWidget("BUTTONFRAME", xmFrameWidgetClass, area, XmNx, 10, XmNy, 10, nullptr);
  Widget dismiss = CreatePushButton(buttonFrame, "dismiss", "dismiss");
  XtAddCallback(dismiss, XmNactivateCallback, DIpopdown, nullptr);
  Widget drawFrame = XtVaCreateManagedWidget("DRAWAREA", xmFrameWidgetClass, area, XmNx, 10, XmNy, 50, nullptr);
  thePopupDraw = XtVaCreateManagedWidget("POPUPDRAW", xmDrawingAreaWidgetClass, drawFrame, XmNwidth, PLOT_WIDTH,
                                         XmNheight, PLOT_HEIGHT, XmNbackground, GCbackgroundPixel(), nullptr);
  XtAddCallback(thePopupDraw, XmNexposeCallback, popupExpose, nullptr);
}

void buildDialogs() {
  theForm = XmCreatePromptDialog(theMainWidget, const_cast<char*>("FORM"), nullptr, 0);
  char value[64];
  snprintf(value, sizeof value, "%.4f", static_cast<double>(Glayers[0].X0));
  XmString p = xmString("Size Distribution Factor X0:");
  XmString v = xmString(value);
  XtVaSetValues(theForm, XmNselectionLabelString, p, XmNtextString, v, XmNautoUnmanage, False, nullptr);
  XmStringFree(p);
  XmStringFree(v);
  if (Widget help = XmSelectionBoxGetChild(theForm, XmDIALOG_HELP_BUTTON)) XtUnmanageChild(help);

  theOpenDialog = CreateFileSelection(theMainWidget, "file_selection");
  XtVaSetValues(theOpenDialog, XmNautoUnmanage, False, nullptr);
  XtVaSetValues(XtParent(theOpenDialog), XmNtitle, "Corvid: choose a file", nullptr);
  if (Widget help = XmFileSelectionBoxGetChild(theOpenDialog, XmDIALOG_HELP_BUTTON)) XtUnmanageChild(help);

  thePopup = XmCreateWorkingDialog(theMainWidget, const_cast<char*>("working"), nullptr, 0);
  unmanageChildren(thePopup, {XmDIALOG_OK_BUTTON, XmDIALOG_CANCEL_BUTTON, XmDIALOG_HELP_BUTTON, XmDIALOG_SEPARATOR});
  XtVaSetValues(XtParent(thePopup), XmNtitle, "Corvid: working", nullptr);
}
}  // namespace

Pixel GCbackgroundPixel() {
  static Pixel pixel = 0;
  static bool made = false;
  if (!made) {
    pixel = DIallocRGB(GC_VIEW_BACKGROUND_RGB, WhitePixel(theDisplay, theScreen));
    made = true;
  }
  return pixel;
}

void DIacceptXCB(Widget w, XtPointer client, XtPointer call) {
  int code = static_cast<int>(reinterpret_cast<long>(client));
  auto* cbs = static_cast<XmSelectionBoxCallbackStruct*>(call);
  char* text = DIplainString(cbs ? cbs->value : nullptr);
  const char* t = text ? text : "";
  if (isFileCode(code)) {
    if (FILE* f = fopen(t, "r")) {
      fclose(f);
    } else {
      DIacceptCB(code, t);  // reports the failure; the dialog stays up for another choice
      XtFree(text);
      return;
    }
  }
  XtRemoveAllCallbacks(w, XmNokCallback);
  XtRemoveAllCallbacks(w, XmNcancelCallback);
  XtUnmanageChild(w);
  XmUpdateDisplay(w);
  DIacceptCB(code, t);
  XtFree(text);
}

void DIcancelCB(Widget w, XtPointer, XtPointer) {
  XtRemoveAllCallbacks(w, XmNokCallback);
  XtRemoveAllCallbacks(w, XmNcancelCallback);
  XtUnmanageChild(w);
}

void DIcommandCB(Widget, XtPointer, XtPointer call) {
  auto* cbs = static_cast<XmCommandCallbackStruct*>(call);
  char* text = DIplainString(cbs ? cbs->value : nullptr);
  DIcommandText(text);
  if (text) XtFree(text);
}

void DIpopdown(Widget, XtPointer, XtPointer) {
  if (thePopupWindow) XtPopdown(thePopupWindow);
  PopupWindowIsThere = 0;
}

void DIinstallFrontEnd() {
  GCsetDisplayHook(printout);
  DIfrontEnd fe;
  fe.openFileDialog = openFileDialog;
  fe.openForm = openForm;
  fe.popdownDialog = popdownDialog;
  fe.setScaleRange = setScaleRange;
  fe.layerControl = DIlayerControl;
  fe.makeLayerGC = GXmakeLayerGC;
  DIsetFrontEnd(fe);
  DIwindowHooks wh;
  wh.showPane = showPane;
  wh.colourLayerButton = DIcolourLayerButton;
  wh.popupPlot = popupPlot;
  DIsetWindowHooks(wh);
  DIsetScaleHook(showScaleValue);
}

void DIcreateApp(const char* name) {
  theDeskWidget = XtVaAppCreateShell(name, "XMclient", applicationShellWidgetClass, theDisplay, XmNtitle,
                                     "Corvid - analog/RF layout tool", XmNiconName, "Corvid", nullptr);
  theMainWidget = XtVaCreateManagedWidget("MAINW", xmMainWindowWidgetClass, theDeskWidget, nullptr);
  thePane = XtVaCreateManagedWidget("Pane", xmPanedWindowWidgetClass, theMainWidget, nullptr);
  thePaned1 = XtVaCreateManagedWidget("Paned1", xmFrameWidgetClass, thePane, XmNskipAdjust, True, nullptr);
  thePaned2 = XtVaCreateManagedWidget("Paned2", xmFrameWidgetClass, thePane, XmNskipAdjust, True, nullptr);
  thePaned3 = XtVaCreateManagedWidget("Paned3", xmFrameWidgetClass, thePane, nullptr);
  thePaned4 = XtVaCreateManagedWidget("Paned4", xmFrameWidgetClass, thePane, XmNskipAdjust, True, nullptr);
  thePaned5 = XtVaCreateWidget("Paned5", xmFrameWidgetClass, thePane, XmNskipAdjust, True, nullptr);

  theMenuBar = DIcreateMenuBar(thePaned1);

  theMessage = XmCreateMessageBox(thePaned2, const_cast<char*>("MESSAGE"), nullptr, 0);
  unmanageChildren(theMessage, {XmDIALOG_OK_BUTTON, XmDIALOG_CANCEL_BUTTON, XmDIALOG_HELP_BUTTON, XmDIALOG_SEPARATOR});
  setMessage(theMessage, "Corvid Message:", XmDIALOG_INFORMATION);
  XtManageChild(theMessage);

  theWorkWidget = makeFrame(thePaned3, "WORKW");
  theDrawWidget = XtVaCreateManagedWidget("DRAWW", xmDrawingAreaWidgetClass, theWorkWidget, XmNwidth, DRAW_WIDTH,
                                          XmNheight, DRAW_HEIGHT, XmNbackground, GCbackgroundPixel(), nullptr);
  XtAddCallback(theDrawWidget, XmNexposeCallback, mainExpose, nullptr);

  buildSidePanel();

  XmString prompt = xmString("Corvid Command:");
  theCommand = XtVaCreateManagedWidget("COMMAND", xmCommandWidgetClass, thePaned5, XmNpromptString, prompt, nullptr);
  XmStringFree(prompt);
  XtAddCallback(theCommand, XmNcommandEnteredCallback, DIcommandCB, nullptr);

  buildPopup();
  buildDialogs();

  XtRealizeWidget(theDeskWidget);
  XtRealizeWidget(thePopupWindow);
  // Named windows let screen readers and test drivers find the two views.
  XStoreName(theDisplay, XtWindow(theDrawWidget), "DRAWW");
  XStoreName(theDisplay, XtWindow(thePopupDraw), "POPUPDRAW");
  DIrealizeMenus(theMenuBar);
  for (Widget d : {theOpenDialog, thePopup, theForm}) {
    XtManageChild(d);
    XtUnmanageChild(d);
  }
}

void DIviewportsInit() {
  mainCanvas = new GCxCanvas(theDisplay, XtWindow(theDrawWidget), theGC, theXorGC);
  DIvpInit(&Vmain, mainCanvas, theDrawWidget);
  Vmain.w = XtWindow(theDrawWidget);
  Vmain.gc = theGC;
  Vmain.xorgc = theXorGC;
  popupCanvas = new GCxCanvas(theDisplay, XtWindow(thePopupDraw), theGC, theXorGC);
  DIvpInit(&Vpopup, popupCanvas, thePopupDraw);
  Vpopup.w = XtWindow(thePopupDraw);
  Vpopup.gc = theGC;
  Vpopup.xorgc = theXorGC;
  Dimension height = 0;
  XtVaGetValues(thePopupDraw, XmNheight, &height, nullptr);
  Vpopup.scale = static_cast<float>(1000 / (height > 0 ? height : 1));
  Vpopup.ox = Vpopup.oy = 0;
  PopupWindowIsThere = 0;
  DEattachInput(&Vmain, theDrawWidget);
  DEattachInput(&Vpopup, thePopupDraw);
}
