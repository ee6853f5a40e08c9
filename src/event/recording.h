// Recording the raw input events of the window to ".Fplayback" and replaying
// them. The flags live in the core so both programs bind the same commands;
// the Motif program installs the event side.
#pragma once
#include <cstdio>

inline constexpr const char* DI_PLAYBACK_FILE = ".Fplayback";
inline constexpr int DI_MAX_WIDGETS = 1024;

extern int FStartPlaybackRecord;  // 1 while recording
extern int FwidgetNum;            // entries of the widget registry

int DIstartPB();
int DIendPB();
// Replays the record file through the installed player (the Motif program's);
// the batch program has no widgets to send the events to and says so.
int DIplayback();
void DIsetPlayer(int (*player)(FILE* file));

// One recorded event: the 13 numbers of a record line.
struct DIrecordedEvent {
  long window, type, detail, x, y, serial, root, subwindow, time, xRoot, yRoot, state, sameScreen;
};
// Reads the next record line; false at end of file or on a malformed line.
bool DIreadRecord(FILE* file, DIrecordedEvent* e);
void DIwriteRecord(FILE* file, const DIrecordedEvent& e);
void DIresetRecording();
