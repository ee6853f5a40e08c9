#include "interface/x11/dinterface.h"

#include <X11/Intrinsic.h>
#include <X11/Xmu/Editres.h>

#include "callback/x11/main_window.h"
#include "callback/x11/widgets.h"
#include "common/memory.h"
#include "cs/cs.h"
#include "event/event.h"
#include "event/recording.h"
#include "event/x11/x_recording.h"
#include "init/x11/xinit.h"
#include "interface/menu_reader.h"
#include "interface/switch_commands.h"
#include "interface/tech_init.h"
#include "view/tile_draw.h"
#include "yield/series.h"

void DInterface(int argc, char** argv) {
  FStartPlaybackRecord = 0;
  FwidgetNum = 0;
  GCmemInit();
  DIXinit(&argc, argv);
  DIinstallFrontEnd();
  DIcolorInit();
  DItechInit();
  DImenuInit();
  DEinit();
  InitStitch();
  DVinstallViewHooks();
  DIsetInit();
  DIcreateApp(argv[0]);
  DIviewportsInit();
  DYinit();
  XtAddEventHandler(theDeskWidget, NoEventMask, True, _XEditResCheckMessages, nullptr);
  DIregiWindows(theDeskWidget);
  DIinstallPlayer();
  for (;;) {
    XEvent event;
    XtAppNextEvent(app, &event);
    if (FStartPlaybackRecord == 1 &&
        ((event.type >= KeyPress && event.type <= MotionNotify) || event.type == Expose))
      DIrecordEvent(&event);
    XtDispatchEvent(&event);
  }
}
