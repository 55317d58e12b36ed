// The other application of the Wine benchmark: shows one top-level window with 2,000 descendants
// of several classes in nested panels, and answers its messages until the benchmark that started
// it goes away. Its texts are read across the process boundary, as the tool reads a real
// application's.
//
// Usage: vexlumen_wine_bench_host <process id of the benchmark>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/wine/bench_window.h"

namespace {

using namespace vexlumen::bench;

constexpr int kMargin = 4;
constexpr int kCell = 16;
constexpr int kInnerWidth = kGridColumns * kCell + kMargin;
constexpr int kInnerHeight = kGridRows * kCell + kMargin;
constexpr int kOuterWidth = kInnerWidth + 2 * kMargin;
constexpr int kOuterHeight = kInnerPanelsPerOuter * kInnerHeight + 2 * kMargin;

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSA target{};
  target.lpfnWndProc = DefWindowProcA;
  target.hInstance = instance;
  target.hCursor = LoadCursor(nullptr, IDC_ARROW);
  target.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  target.lpszClassName = kTargetClass;
  WNDCLASSA panel = target;
  panel.lpszClassName = kPanelClass;
  return RegisterClassA(&target) != 0 && RegisterClassA(&panel) != 0;
}

HWND CreateChild(const char* className, const std::string& text, DWORD style, HWND parent, int x,
                 int y, int width, int height) {
  return CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
                         height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The controls take turns among four kinds, so that every class has many members before and
// after any given control and the ordinal really has to be counted.
bool CreateControl(HWND panel, int serial, int x, int y) {
  const std::string number = std::to_string(serial);
  HWND created = nullptr;
  switch (serial % 4) {
    case 0:
      created = CreateChild("Button", "B" + number, BS_PUSHBUTTON, panel, x, y, kCell, kCell);
      break;
    case 1:
      created = CreateChild("Static", "S" + number, SS_LEFT, panel, x, y, kCell, kCell);
      break;
    case 2:
      created = CreateChild("Edit", "edit " + number, WS_BORDER | ES_AUTOHSCROLL, panel, x, y,
                            kCell, kCell);
      break;
    default:
      created = CreateChild("Button", "C" + number, BS_AUTOCHECKBOX, panel, x, y, kCell, kCell);
      break;
  }
  return created != nullptr;
}

HWND CreateTargetWindow(HINSTANCE instance) {
  RECT frame{0, 0, kOuterPanels * kOuterWidth + 2 * kMargin, kOuterHeight + 2 * kMargin};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_TOPMOST);
  // Topmost, so that nothing else on the desktop covers the control under the pointer.
  HWND target = CreateWindowExA(
      WS_EX_TOPMOST, kTargetClass, kTargetTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (target == nullptr) return nullptr;

  int serial = 0;
  for (int o = 0; o < kOuterPanels; ++o) {
    HWND outer = CreateChild(kPanelClass, "outer " + std::to_string(o), WS_CLIPCHILDREN, target,
                             kMargin + o * kOuterWidth, kMargin, kOuterWidth, kOuterHeight);
    if (outer == nullptr) return nullptr;
    for (int i = 0; i < kInnerPanelsPerOuter; ++i) {
      HWND inner = CreateChild(kPanelClass, "inner " + std::to_string(o * kInnerPanelsPerOuter + i),
                               WS_CLIPCHILDREN, outer, kMargin, kMargin + i * kInnerHeight,
                               kInnerWidth, kInnerHeight);
      if (inner == nullptr) return nullptr;
      for (int c = 0; c < kControlsPerInner; ++c) {
        if (!CreateControl(inner, serial++, kMargin + (c % kGridColumns) * kCell,
                           kMargin + (c / kGridColumns) * kCell)) {
          return nullptr;
        }
      }
    }
  }
  return target;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <benchmark process id>\n", argv[0]);
    return 2;
  }
  const auto benchId = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10));
  // Outliving the benchmark would leave a topmost window of 2,000 controls behind.
  HANDLE bench = OpenProcess(SYNCHRONIZE, FALSE, benchId);
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, ReadyEventName(benchId).c_str());
  if (bench == nullptr || ready == nullptr) {
    std::fprintf(stderr, "host: the benchmark %lu is gone\n", static_cast<unsigned long>(benchId));
    return 1;
  }

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND target = RegisterClasses(instance) ? CreateTargetWindow(instance) : nullptr;
  if (target == nullptr) {
    std::fprintf(stderr, "host: cannot create the target window (error %lu)\n", GetLastError());
    return 1;
  }
  ShowWindow(target, SW_SHOWNORMAL);
  UpdateWindow(target);
  SetEvent(ready);

  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &bench, FALSE, INFINITE, QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1) break;  // the benchmark ended, or the wait failed
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return 0;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return 0;
}
