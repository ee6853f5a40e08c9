#include "event/x11/x_recording.h"

#include <X11/IntrinsicP.h>
#include <X11/CompositeP.h>

#include <unistd.h>

#include "common/message.h"
#include "event/recording.h"
#include "init/x11/xinit.h"

Window FwidgetList[DI_MAX_WIDGETS];

namespace {
FILE* recordFile = nullptr;
bool recordFileFailed = false;

void registerWindow(Window w) {
  if (FwidgetNum < DI_MAX_WIDGETS) FwidgetList[FwidgetNum++] = w;
}

void walk(Widget w) {
  if (!w || FwidgetNum >= DI_MAX_WIDGETS) return;
  if (XtIsWidget(w)) registerWindow(XtWindow(w));
  if (XtIsComposite(w)) {
    CompositeWidget c = reinterpret_cast<CompositeWidget>(w);
    for (Cardinal i = 0; i < c->composite.num_children; ++i) walk(c->composite.children[i]);
  }
  if (XtIsWidget(w))
    for (Cardinal i = 0; i < w->core.num_popups; ++i) walk(w->core.popup_list[i]);
}

long indexOf(Window w) { return DIwindowIndex(w); }

int playFile(FILE* f) {
  DIrecordedEvent r;
  while (DIreadRecord(f, &r)) {
    XEvent ev{};
    ev.type = static_cast<int>(r.type);
    ev.xany.display = theDisplay;
    ev.xany.window = DIfindWindow(static_cast<int>(r.window));
    ev.xany.serial = static_cast<unsigned long>(r.serial);
    if (ev.type == Expose) {
      ev.xexpose.x = static_cast<int>(r.x);
      ev.xexpose.y = static_cast<int>(r.y);
      ev.xexpose.width = static_cast<int>(r.xRoot);
      ev.xexpose.height = static_cast<int>(r.yRoot);
      ev.xexpose.count = 0;
    } else {
      // Key, button and motion events share this layout.
      ev.xbutton.root = DIfindWindow(static_cast<int>(r.root));
      ev.xbutton.subwindow = r.subwindow ? DIfindWindow(static_cast<int>(r.subwindow)) : None;
      ev.xbutton.time = static_cast<Time>(r.time);
      ev.xbutton.x = static_cast<int>(r.x);
      ev.xbutton.y = static_cast<int>(r.y);
      ev.xbutton.x_root = static_cast<int>(r.xRoot);
      ev.xbutton.y_root = static_cast<int>(r.yRoot);
      ev.xbutton.state = static_cast<unsigned>(r.state);
      ev.xbutton.same_screen = static_cast<Bool>(r.sameScreen);
      if (ev.type == KeyPress || ev.type == KeyRelease) ev.xkey.keycode = static_cast<unsigned>(r.detail);
      else if (ev.type == MotionNotify) ev.xmotion.is_hint = 0;
      else ev.xbutton.button = static_cast<unsigned>(r.detail);
    }
    if (!ev.xany.window) continue;
    XtDispatchEvent(&ev);
    XSync(theDisplay, False);
    if (ev.type == ButtonPress || ev.type == ButtonRelease) sleep(1);
    else if (ev.type != Expose) FPassSomeTime(1000);
  }
  return 1;
}
}  // namespace

void DIregiWindows(Widget top) {
  FwidgetNum = 0;
  registerWindow(theRootWindow);
  walk(top);
}

int DIwindowIndex(Window window) {
  if (!window) return 0;
  for (int i = 1; i < FwidgetNum; ++i)
    if (FwidgetList[i] == window) return i;
  return 0;
}

Window DIfindWindow(int index) { return index >= 0 && index < FwidgetNum ? FwidgetList[index] : None; }

void DIrecordEvent(XEvent* event) {
  if (!recordFile) {
    if (recordFileFailed) return;
    recordFile = fopen(DI_PLAYBACK_FILE, "w");
    if (!recordFile) {
      recordFileFailed = true;
      GCmessage(GC_MOD_INTERFACE, 'W', "No playback file opened");
      return;
    }
  }
  DIrecordedEvent r{};
  r.window = indexOf(event->xany.window);
  if (r.window == 0) return;
  r.type = event->type;
  r.serial = static_cast<long>(event->xany.serial);
  if (event->type == Expose) {
    r.x = event->xexpose.x;
    r.y = event->xexpose.y;
    r.xRoot = event->xexpose.width;  // an expose keeps its size where pointer events keep root coordinates
    r.yRoot = event->xexpose.height;
  } else {
    const XButtonEvent& b = event->xbutton;
    r.detail = event->type == KeyPress || event->type == KeyRelease ? static_cast<long>(event->xkey.keycode)
               : event->type == MotionNotify                          ? 0
                                                                      : static_cast<long>(b.button);
    r.x = b.x;
    r.y = b.y;
    r.root = indexOf(b.root);
    r.subwindow = indexOf(b.subwindow);
    r.time = static_cast<long>(b.time);
    r.xRoot = b.x_root;
    r.yRoot = b.y_root;
    r.state = static_cast<long>(b.state);
    r.sameScreen = b.same_screen;
  }
  DIwriteRecord(recordFile, r);
}

void FPassSomeTime(int n) {
  volatile double x = 1.0;
  for (int i = 0; i < n; ++i) x = x * 1.000001 + 0.5;
}

void DIinstallPlayer() { DIsetPlayer(playFile); }
