// Tile navigation commands: pick a point, show the tile under it or its
// neighbours on one side (or all four) in the current plane.
#pragma once

struct _points;
struct _GEvent;

int DCtile();
int DCupper();
int DClower();
int DCleft();
int DCright();
int DCneighbors();
// Execute steps of their input chains (the last picked point is used).
int DCtileExe(_points* points, _GEvent* event);
int DCupperExe(_points* points, _GEvent* event);
int DClowerExe(_points* points, _GEvent* event);
int DCleftExe(_points* points, _GEvent* event);
int DCrightExe(_points* points, _GEvent* event);
int DCneighborsExe(_points* points, _GEvent* event);
