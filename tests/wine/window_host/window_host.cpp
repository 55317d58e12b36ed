// Another process for the window system's tests: real windows of a foreign process, one of
// which can be made to hang. See host_protocol.h for the commands.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tests/wine/window_host/host_protocol.h"
#include "winsys/win32/win32_window_system.h"

namespace host = vexlumen::testing::host;

namespace {

constexpr UINT_PTR kLifetimeTimer = 1;

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case host::kHang:
      // A thread waiting in a send still answers messages sent to it, so only a thread that does
      // not look at its queue at all looks hung: release the sender, then sleep.
      ReplyMessage(1);
      Sleep(static_cast<DWORD>(wParam));
      return 1;
    case host::kHoldClipboard:
      return OpenClipboard(hwnd) ? 1 : 0;
    case host::kReleaseClipboard:
      return CloseClipboard() ? 1 : 0;
    case WM_TIMER:
      if (wParam == kLifetimeTimer) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

int ShowWindows(const char* title) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = instance;
  wc.lpszClassName = host::kHostClass;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  if (!RegisterClassA(&wc)) return 2;
  const HWND top = CreateWindowExA(0, host::kHostClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   600, 400, 300, 200, nullptr, nullptr, instance, nullptr);
  if (top == nullptr) return 3;
  if (CreateWindowExA(0, "Edit", host::kEditTextGbk, WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 250,
                      24, top, nullptr, instance, nullptr) == nullptr) {
    return 4;
  }
  SetTimer(top, kLifetimeTimer, host::kHostLifetimeMs, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

int WriteExecutableDirectory(const char* outputPath) {
  vexlumen::win32::Win32WindowSystem ws;
  const vexlumen::Text dir = ws.ReadExecutableDirectory();
  FILE* out = std::fopen(outputPath, "wb");
  if (out == nullptr) return 5;
  const bool written = std::fwrite(dir.data(), 1, dir.size(), out) == dir.size();
  return std::fclose(out) == 0 && written ? 0 : 6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "windows") == 0) return ShowWindows(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "exe-dir") == 0) return WriteExecutableDirectory(argv[2]);
  std::fprintf(stderr, "usage: window_host windows <title> | exe-dir <output file>\n");
  return 1;
}
