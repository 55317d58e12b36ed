#include "app/dodge.h"

#include <cstdint>

namespace vexlumen {

void DodgeCursor(WindowSystem& ws, MainWindow& window) {
  const Point o = ws.ReadClientOrigin(window.GetHandle());
  const Point p = ws.GetPointerPosition();
  const Size size = window.ReadOuterSize();
  // 64-bit: the sums must not wrap for windows far off screen.
  const std::int64_t w = size.width;
  const std::int64_t h = size.height;

  // The test area has the outer size but starts at the client origin: the caption and the left
  // and top frame are outside it, and it reaches past the right and bottom edges as far.
  const bool inside = o.x < p.x && p.x < o.x + w && o.y < p.y && p.y < o.y + h;
  if (!inside) return;

  const Size screen = ws.ReadScreenSize();
  const std::int64_t sw = screen.width;
  const std::int64_t sh = screen.height;
  // "o.x - sw/2 < -1e-7" in real numbers: with integers the difference is a multiple of a half
  // (or a quarter below), so it is below -1e-7 exactly when it is negative.
  const bool leftHalf = 2 * std::int64_t{o.x} < sw;
  const bool upperQuarter = 4 * std::int64_t{o.y} < sh;

  const std::int64_t left = leftHalf ? sw - w - kScreenMargin : kScreenMargin;
  const std::int64_t top = upperQuarter ? sh - h - kScreenMargin : kScreenMargin;
  window.MoveOuterTopLeft(Point{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top)});
}

}  // namespace vexlumen
