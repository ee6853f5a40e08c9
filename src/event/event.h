// Input chains: a command that needs points or strings from the drawing area
// starts a chain of steps; button and motion input drive it.
#pragma once

struct _points;
struct _strings;
struct _Gviewport;

enum GEVENTTYPE { GGEstring = 0, GGEbutton1 = 1, GGEbutton2 = 2, GGEbutton3 = 3, GGEpoints = 4 };
enum GRUBTYPE { GGRtext = 0, GGRline = 1, GGRbox = 2, GGRcircle = 3, GGRarc = 4, GGRrt = 5, GGRno = 6, GGRcartoon = 7 };

struct _GEvent;
using GEventFn = int (*)(_points* points, _GEvent* event);

struct _GEvent {
  GEVENTTYPE eventtype;
  GRUBTYPE rubtype;
  const char* message;
  GEventFn check;
  GEventFn execute;
  GEventFn abort;
  _GEvent* next;
  _Gviewport* view;
};

// Codes handed to DEinput.
inline constexpr int DE_POINT_DONE = 0;   // the step's one point or string
inline constexpr int DE_POINT_MORE = 1;   // another point of a point series
inline constexpr int DE_POINT_END = 3;    // the series ended with button 3 (sentinel)

inline constexpr long DE_SENTINEL = 1073741823;

extern _GEvent* GeventList;
extern _GEvent* GcurEvent;
extern _points* GpointList;
extern _strings* GstringList;
extern long rubx, ruby;
extern const char* rubstring;
extern int rubed;
extern long mx, my;
extern long radio;
extern void (*GGrubDraw)(_Gviewport* vp, long ax, long ay, long px, long py);
extern void* Gcartoon;

// What the drawing area listens to for the step waiting for input: the
// window glue adds or removes its handlers when these change.
extern int DEbuttonArmed;
extern int DEmotionArmed;
// Called whenever those change (the window glue selects its handlers here).
void DEsetArmHook(void (*hook)(int button, int motion));

void DEinit();
void DEevent(_GEvent* first);
// Ends the running chain, if any: its figure is erased, its input dropped and
// the drawing area stops listening. Every command does this before it runs,
// so a zoom or pan mode ends when the user turns to something else.
void DEendChain();
void DEinput(_GEvent* step, int code);
// A mouse button pressed at pixel (px, py) of the viewport's window.
void DEbuttonCB(_Gviewport* vp, int button, long px, long py);
// The pointer moved to pixel (px, py).
void DErubCB(_Gviewport* vp, long px, long py);
// The same press given in world coordinates (the batch program's point lines).
void DEpointWorld(int button, long wx, long wy);
int DErubInit(_GEvent* step);
void DEclearRub(_GEvent* step);

void GGsavePoint(_Gviewport* vp, long x, long y);
void GGsaveWorldPoint(long x, long y);
void GGsaveString(const char* text);
_points* GGlastPoint();
_strings* GGlastString();
void GfreePoint();
void GfreeString();
void GfreePoints();
void GfreeStrings();
void DEfreeAllBuffer();
int GGpointCount();
