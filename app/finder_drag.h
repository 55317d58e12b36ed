#pragma once

#include "app/main_window.h"
#include "winsys/window_system.h"

namespace vexlumen {

// Both timers tick twice a second while the finder is dragged.
inline constexpr unsigned kTimerPeriodMs = 500;

// The drag that starts with a press on the finder picture and ends with the next left-button
// release that reaches the main window. It keeps no flag: the capture and the timers are the
// drag. Its one piece of state is the pointer to put back when it ends.
class FinderDrag {
 public:
  FinderDrag(WindowSystem& ws, MainWindow& window) : ws_(ws), window_(window) {}
  ~FinderDrag() = default;
  FinderDrag(const FinderDrag&) = delete;
  FinderDrag& operator=(const FinderDrag&) = delete;

  void BeginFinderDrag();
  void EndFinderDrag();
  // Puts the user's pointer back if a drag is still on; for every way the program ends.
  void RestoreSystemArrow();

  bool HoldsSavedArrow() const { return !savedArrowCursor_.IsNone(); }

 private:
  WindowSystem& ws_;
  MainWindow& window_;
  CursorHandle savedArrowCursor_;
};

}  // namespace vexlumen
