#include "app/finder_drag.h"

namespace vexlumen {

namespace {
// Beside the executable; optional, and read again at every drag so a replaced file takes effect.
const char kCursorFileName[] = "\\鼠标指针.cur";
}  // namespace

void FinderDrag::BeginFinderDrag() {
  ws_.CaptureMouse(window_.GetHandle());
  window_.ShowFinderImage(false);
  // A press while a drag is still on (its capture was taken away before the release) must not
  // save the drag cursor over the user's own arrow, or the arrow would never come back.
  if (savedArrowCursor_.IsNone()) savedArrowCursor_ = ws_.CopyCurrentCursor();
  const CursorHandle dragCursor =
      ws_.LoadCursorFile(ws_.ReadExecutableDirectory() + kCursorFileName);
  if (!dragCursor.IsNone()) ws_.ReplaceNormalArrow(dragCursor);
  window_.SetTimerPeriod(TimerId::Inspect, kTimerPeriodMs);
  window_.SetTimerPeriod(TimerId::Dodge, kTimerPeriodMs);
}

void FinderDrag::EndFinderDrag() {
  ws_.ReleaseMouseCapture();
  window_.SetFinderPointerToArrow();
  RestoreSystemArrow();
  window_.SetTimerPeriod(TimerId::Inspect, 0);
  window_.SetTimerPeriod(TimerId::Dodge, 0);
  window_.ShowFinderImage(true);
}

void FinderDrag::RestoreSystemArrow() {
  if (savedArrowCursor_.IsNone()) return;
  ws_.ReplaceNormalArrow(savedArrowCursor_);  // the system takes the handle over
  savedArrowCursor_ = {};
}

}  // namespace vexlumen
