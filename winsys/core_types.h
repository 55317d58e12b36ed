// The few value types that the logic shares with the window system. They are our own so that
// nothing outside the Windows layer needs <windows.h>; the Windows layer converts at its edge.
#pragma once

#include <cstdint>
#include <string>

namespace vexlumen {

// A byte string in the system's ANSI code page (GBK for our own texts). No embedded NUL.
using Text = std::string;

// A window, as the 32-bit value Windows gives it. Zero means "no window".
struct WindowHandle {
  std::uint32_t value = 0;

  constexpr bool IsNone() const { return value == 0; }
  friend constexpr bool operator==(WindowHandle a, WindowHandle b) { return a.value == b.value; }
  friend constexpr bool operator!=(WindowHandle a, WindowHandle b) { return a.value != b.value; }
};

inline constexpr WindowHandle kNoWindow{};

// A cursor owned by whoever holds it until it is handed back to the window system.
struct CursorHandle {
  std::uintptr_t value = 0;

  constexpr bool IsNone() const { return value == 0; }
  friend constexpr bool operator==(CursorHandle a, CursorHandle b) { return a.value == b.value; }
  friend constexpr bool operator!=(CursorHandle a, CursorHandle b) { return a.value != b.value; }
};

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  friend constexpr bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
  friend constexpr bool operator!=(Point a, Point b) { return !(a == b); }
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;

  friend constexpr bool operator==(Size a, Size b) {
    return a.width == b.width && a.height == b.height;
  }
};

// Screen rectangle with exclusive right and bottom edges, as Windows keeps it.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  // Same rule as PtInRect: the left and top edges are inside, the right and bottom are not.
  constexpr bool Contains(Point p) const {
    return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
  }

  // Signed 32-bit product, as the sibling search compares it; wraps rather than traps on
  // absurd rectangles from other applications.
  constexpr std::int32_t Area() const {
    const auto h = static_cast<std::uint32_t>(bottom) - static_cast<std::uint32_t>(top);
    const auto w = static_cast<std::uint32_t>(right) - static_cast<std::uint32_t>(left);
    return static_cast<std::int32_t>(h * w);
  }

  friend constexpr bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

}  // namespace vexlumen
