#include "callback/pane_commands.h"

#include "common/message.h"
#include "display/window_hooks.h"
#include "view/view.h"

int MessCloseFlag = 0;
int CommCloseFlag = 1;
int PaneCloseFlag = 0;

namespace {
// Shows or hides a pane; false when it already was so.
bool setPane(int pane, int* closedFlag, bool show) {
  if (show != (*closedFlag == 1)) return false;
  *closedFlag = show ? 0 : 1;
  if (DIgetWindowHooks().showPane) DIgetWindowHooks().showPane(pane, show ? 1 : 0);
  return true;
}

int paneCommand(int pane, int* flag, bool show, bool redraw) {
  if (setPane(pane, flag, show) && redraw) DVredraw(nullptr, nullptr, nullptr);
  return 1;
}

}  // namespace

int DIopenMess(void*, char*, void*) { return paneCommand(DI_PANE_MESSAGE, &MessCloseFlag, true, true); }
int DIcloseMess(void*, char*, void*) { return paneCommand(DI_PANE_MESSAGE, &MessCloseFlag, false, false); }
int DIopenComm(void*, char*, void*) { return paneCommand(DI_PANE_COMMAND, &CommCloseFlag, true, true); }
int DIcloseComm(void*, char*, void*) { return paneCommand(DI_PANE_COMMAND, &CommCloseFlag, false, true); }
int DIopenPane(void*, char*, void*) { return paneCommand(DI_PANE_SIDE, &PaneCloseFlag, true, true); }
int DIclosePane(void*, char*, void*) { return paneCommand(DI_PANE_SIDE, &PaneCloseFlag, false, true); }

void DIresetPanes() {
  MessCloseFlag = 0;
  CommCloseFlag = 1;
  PaneCloseFlag = 0;
}
