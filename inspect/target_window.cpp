#include "inspect/target_window.h"

namespace vexlumen {

namespace {
// GetWindow-style sibling walks can cycle when another application reorders its windows while
// we walk; no session holds more windows than this, so a longer walk is one that went round.
constexpr int kMaxSiblingSteps = 65536;
}  // namespace

WindowHandle FindTargetWindow(WindowSystem& ws) {
  const Point p = ws.GetPointerPosition();
  const WindowHandle w = ws.FindWindowAtPoint(p);
  if (w.IsNone()) return kNoWindow;
  const WindowHandle parent = ws.FindParent(w);
  if (parent.IsNone()) return w;

  // The window-at-point answer is the front-most sibling containing the point, which is often a
  // group box or panel drawn around the control the user means. The controls it encloses lie
  // below it in Z-order, so the smallest visible sibling there that contains the point is the
  // better target. Siblings above were already passed over by the hit test.
  WindowHandle best = w;
  std::int32_t bestArea = ws.ReadOuterRect(w).Area();
  WindowHandle s = w;
  for (int step = 0; step < kMaxSiblingSteps; ++step) {
    s = ws.FindNextSibling(s);
    if (s.IsNone()) break;
    // Cheapest test first: most siblings do not contain the point.
    const Rect r = ws.ReadOuterRect(s);
    if (!r.Contains(p)) continue;
    if (ws.FindParent(s) != parent || !ws.IsVisible(s)) continue;
    const std::int32_t area = r.Area();
    if (area < bestArea) {  // strictly smaller: on a tie the first met stays
      best = s;
      bestArea = area;
    }
  }
  return best;
}

}  // namespace vexlumen
