#pragma once

#include "app/main_window.h"
#include "winsys/window_system.h"

namespace vexlumen {

// Distance kept from the screen edges when the window jumps to a corner.
inline constexpr int kScreenMargin = 20;

// Moves the main window to another corner of the primary screen when the pointer is inside it,
// so that the topmost window never hides what the user is pointing at.
void DodgeCursor(WindowSystem& ws, MainWindow& window);

}  // namespace vexlumen
