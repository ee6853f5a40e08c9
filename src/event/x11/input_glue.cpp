#include "event/x11/input_glue.h"

#include <X11/Xutil.h>

#include "display/viewport.h"
#include "event/event.h"

namespace {
struct Attached {
  _Gviewport* vp;
  Widget widget;
  bool button, motion;
};
Attached attached[2];
int attachedCount = 0;

void buttonHandler(Widget, XtPointer client, XEvent* event, Boolean*) {
  auto* vp = static_cast<_Gviewport*>(client);
  if (event->type == ButtonPress)
    DEbuttonCB(vp, static_cast<int>(event->xbutton.button), event->xbutton.x, event->xbutton.y);
}

void motionHandler(Widget, XtPointer client, XEvent* event, Boolean*) {
  auto* vp = static_cast<_Gviewport*>(client);
  if (event->type == MotionNotify) DErubCB(vp, event->xmotion.x, event->xmotion.y);
}

// The waiting step names the handlers its widget needs; others are removed.
void armChanged(int button, int motion) {
  for (int i = 0; i < attachedCount; ++i) {
    Attached& a = attached[i];
    bool ours = GcurEvent && (GcurEvent->view ? GcurEvent->view == a.vp : a.vp == &Vmain);
    bool wantButton = button && ours;
    bool wantMotion = motion && ours;
    if (wantButton != a.button) {
      if (wantButton) XtAddEventHandler(a.widget, ButtonPressMask, False, buttonHandler, a.vp);
      else XtRemoveEventHandler(a.widget, ButtonPressMask, False, buttonHandler, a.vp);
      a.button = wantButton;
    }
    if (wantMotion != a.motion) {
      if (wantMotion) XtAddEventHandler(a.widget, PointerMotionMask, False, motionHandler, a.vp);
      else XtRemoveEventHandler(a.widget, PointerMotionMask, False, motionHandler, a.vp);
      a.motion = wantMotion;
    }
  }
}
}  // namespace

void DEattachInput(_Gviewport* vp, Widget drawingArea) {
  if (attachedCount >= 2) return;
  attached[attachedCount++] = {vp, drawingArea, false, false};
  DEsetArmHook(armChanged);
}

char GGgetChar(XEvent* keyevent) {
  if (!keyevent || (keyevent->type != KeyPress && keyevent->type != KeyRelease)) return 0;
  char buffer[8];
  KeySym keysym;
  int n = XLookupString(&keyevent->xkey, buffer, sizeof buffer, &keysym, nullptr);
  return n > 0 ? buffer[0] : 0;
}
