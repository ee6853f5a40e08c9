// The explicit-plane forms: the plain operation run with the handle's hint as
// the cursor, the global cursor saved around it.
#include "cs/cs.h"
#include "cs/plane_internal.h"

namespace {
class OnPlane {
 public:
  explicit OnPlane(CSplane& plane) : plane_(plane), saved_(Stitch), save_{&saved_, CSsavedCursors} {
    CSsavedCursors = &save_;
    Stitch = plane.hint;
  }
  ~OnPlane() {
    CSsavedCursors = save_.outer;
    plane_.hint = Stitch;
    Stitch = saved_;
  }
  OnPlane(const OnPlane&) = delete;
  OnPlane& operator=(const OnPlane&) = delete;

 private:
  CSplane& plane_;
  _Dtile* saved_;
  CSsavedCursor save_;
};
}  // namespace

_Dtile* CSfind(CSplane& plane, long x, long y) {
  OnPlane on(plane);
  return PointFind(x, y);
}

void CSenumerate(CSplane& plane, long x1, long y1, long x2, long y2, _Dtilelist** list, short clear) {
  OnPlane on(plane);
  AreaEnum(x1, y1, x2, y2, list, clear);
}

void CSvisit(CSplane& plane, long x1, long y1, long x2, long y2, bool (*visit)(_Dtile*, void*), void* context) {
  OnPlane on(plane);
  CSvisitArea(x1, y1, x2, y2, visit, context);
}

_Dtile* CScarve(CSplane& plane, long x1, long y1, long x2, long y2) {
  OnPlane on(plane);
  return TileCreation(x1, y1, x2, y2, nullptr);
}
