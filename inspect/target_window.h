#pragma once

#include "winsys/window_system.h"

namespace vexlumen {

// The window the pointer designates: the window at the pointer, refined to the smallest visible
// sibling below it in Z-order that also contains the pointer. None when nothing is there.
WindowHandle FindTargetWindow(WindowSystem& ws);

}  // namespace vexlumen
