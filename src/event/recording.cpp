#include "event/recording.h"

#include "common/message.h"

int FStartPlaybackRecord = 0;
int FwidgetNum = 0;

namespace {
int (*installedPlayer)(FILE* file) = nullptr;
}

int DIstartPB() {
  FStartPlaybackRecord = 1;
  return 1;
}

int DIendPB() {
  FStartPlaybackRecord = 0;
  return 1;
}

void DIsetPlayer(int (*player)(FILE* file)) { installedPlayer = player; }

int DIplayback() {
  FILE* f = fopen(DI_PLAYBACK_FILE, "r");
  if (!f) {
    GCmessage(GC_MOD_INTERFACE, 'E', "No playback file to playback");
    return 0;
  }
  int result = 1;
  if (installedPlayer) {
    result = installedPlayer(f);
  } else {
    // Without a window there are no widgets to send the events to.
    GCmessage(GC_MOD_INTERFACE, 'W', "Playback needs the window: %s not replayed", DI_PLAYBACK_FILE);
    result = 0;
  }
  fclose(f);
  return result;
}

bool DIreadRecord(FILE* file, DIrecordedEvent* e) {
  return fscanf(file, "%ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld", &e->window, &e->type, &e->detail, &e->x,
                &e->y, &e->serial, &e->root, &e->subwindow, &e->time, &e->xRoot, &e->yRoot, &e->state,
                &e->sameScreen) == 13;
}

void DIwriteRecord(FILE* file, const DIrecordedEvent& e) {
  fprintf(file, "%ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld\n", e.window, e.type, e.detail, e.x, e.y,
          e.serial, e.root, e.subwindow, e.time, e.xRoot, e.yRoot, e.state, e.sameScreen);
  fflush(file);
}

void DIresetRecording() {
  FStartPlaybackRecord = 0;
  FwidgetNum = 0;
  installedPlayer = nullptr;
}
