// The only place where Windows handles become our values and back. Window handles are 32-bit
// values even in 64-bit processes (the system keeps them in a shared 32-bit table), and a 64-bit
// process sees them sign-extended; converting through LONG keeps that true in both directions.
#pragma once

#include <windows.h>

#include <cstdint>

#include "winsys/core_types.h"

namespace vexlumen::win32 {

inline HWND ToHwnd(WindowHandle w) {
  return static_cast<HWND>(LongToHandle(static_cast<LONG>(w.value)));
}

inline WindowHandle ToWindowHandle(HWND hwnd) {
  return WindowHandle{static_cast<std::uint32_t>(HandleToLong(hwnd))};
}

inline HCURSOR ToHcursor(CursorHandle c) {
  return reinterpret_cast<HCURSOR>(c.value);
}

inline CursorHandle ToCursorHandle(HCURSOR cursor) {
  return CursorHandle{reinterpret_cast<std::uintptr_t>(cursor)};
}

}  // namespace vexlumen::win32
