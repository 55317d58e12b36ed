#include <windows.h>

#include "app/win32/win32_main_window.h"
#include "winsys/win32/win32_window_system.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  vexlumen::win32::Win32WindowSystem ws;
  // The window owns the inspection's working lists; they go when it goes, at the end of main.
  vexlumen::Win32MainWindow window(instance, ws);
  if (!window.Create(showCommand)) return 1;
  return window.RunMessageLoop();
}
