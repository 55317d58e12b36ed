// The dodge: when the pointer enters the main window, the window jumps to another corner of the
// primary screen. The test area, the half/quarter boundaries and the target corner are pinned
// here with exact pixels, since an off-by-one or an integer division shows only at the edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/dodge.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

struct Case {
  const char* name;
  Size screen;
  Point clientOrigin;
  Size outerSize;
  Point pointer;
  bool moves;
  Point expected;  // new outer top-left when `moves`
};

void CheckDodge(const Case& c) {
  SCOPED_TRACE(c.name);
  testing::FakeWindowSystem ws;
  // Outer rectangle with a 3-pixel frame and a 20-pixel caption above the client origin; the
  // far edges are clamped so that the far-off case stays representable.
  const auto edge = [](std::int32_t from, std::int32_t by) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{from} + by, std::numeric_limits<std::int32_t>::max()));
  };
  const Rect outer{c.clientOrigin.x - 3, c.clientOrigin.y - 23,
                   edge(c.clientOrigin.x - 3, c.outerSize.width),
                   edge(c.clientOrigin.y - 23, c.outerSize.height)};
  const WindowHandle main = ws.AddTopLevel({outer, "Main", "Vexlumen"});
  ws.SetClientOrigin(main, c.clientOrigin);
  ws.SetScreenSize(c.screen);
  ws.SetPointer(c.pointer);
  testing::FakeMainWindow window{main};
  window.SetOuterSize(c.outerSize);
  const Point before = window.OuterTopLeft();

  DodgeCursor(ws, window);

  if (c.moves) {
    EXPECT_EQ(window.Moves(), 1);
    EXPECT_EQ(window.OuterTopLeft().x, c.expected.x);
    EXPECT_EQ(window.OuterTopLeft().y, c.expected.y);
  } else {
    EXPECT_EQ(window.Moves(), 0);
    EXPECT_EQ(window.OuterTopLeft(), before);
  }
}

constexpr Size kScreen{1024, 768};
constexpr Size kWin{480, 391};
// Corners for kWin on kScreen: x is 1024-480-20 or 20, y is 768-391-20 or 20.
constexpr std::int32_t kRightX = 524;
constexpr std::int32_t kBottomY = 357;

TEST(Dodge, PointerMustBeStrictlyInsideTestArea) {
  // Client origin (600,300): right half, below the top quarter, so a move goes to (20,20).
  const Point o{600, 300};
  const Case cases[] = {
      {"just inside the origin", kScreen, o, kWin, {601, 301}, true, {20, 20}},
      {"pointer far away", kScreen, o, kWin, {10, 10}, false, {}},
      {"on the caption", kScreen, o, kWin, {700, 290}, false, {}},
      {"on the left frame", kScreen, o, kWin, {598, 400}, false, {}},
      {"exactly on the client origin", kScreen, o, kWin, {600, 300}, false, {}},
      {"on the origin's column", kScreen, o, kWin, {600, 400}, false, {}},
      {"on the origin's row", kScreen, o, kWin, {700, 300}, false, {}},
      // The area has the outer size but starts at the client origin, so it reaches past the
      // window's right edge (first pixel outside: x 1077) and bottom edge (y 668).
      {"just beyond the right edge", kScreen, o, kWin, {1077, 400}, true, {20, 20}},
      {"just beyond the bottom edge", kScreen, o, kWin, {700, 668}, true, {20, 20}},
      {"last column of the area", kScreen, o, kWin, {1079, 690}, true, {20, 20}},
      {"one past the area's right", kScreen, o, kWin, {1080, 400}, false, {}},
      {"one past the area's bottom", kScreen, o, kWin, {700, 691}, false, {}},
  };
  for (const Case& c : cases) CheckDodge(c);
}

TEST(Dodge, JumpsToCornerAwayFromItsHalfAndQuarter) {
  const Case cases[] = {
      {"left half, top quarter", kScreen, {100, 100}, kWin, {200, 200}, true, {kRightX, kBottomY}},
      {"left half, below top quarter", kScreen, {100, 300}, kWin, {200, 400}, true, {kRightX, 20}},
      {"right half, top quarter", kScreen, {600, 100}, kWin, {700, 200}, true, {20, kBottomY}},
      {"right half, below top quarter", kScreen, {600, 300}, kWin, {700, 400}, true, {20, 20}},
      // y 300 is in the upper half but not in the top quarter (192).
      {"upper half is not enough", kScreen, {100, 250}, kWin, {200, 300}, true, {kRightX, 20}},
  };
  for (const Case& c : cases) CheckDodge(c);
}

TEST(Dodge, HalfAndQuarterBoundariesUseExactDivision) {
  const Case cases[] = {
      // sw/2 = 512: the middle column itself is not the left half.
      {"x one left of the middle", kScreen, {511, 300}, kWin, {600, 400}, true, {kRightX, 20}},
      {"x exactly on the middle", kScreen, {512, 300}, kWin, {600, 400}, true, {20, 20}},
      // sh/4 = 192: the quarter line itself is not the top quarter.
      {"y one above the quarter", kScreen, {600, 191}, kWin, {700, 300}, true, {20, kBottomY}},
      {"y exactly on the quarter", kScreen, {600, 192}, kWin, {700, 300}, true, {20, 20}},
      // Odd width 1025: sw/2 = 512.5, so 512 is left of the middle; integer halving would not
      // say so.
      {"odd width, x 512", {1025, 768}, {512, 300}, kWin, {600, 400}, true, {525, 20}},
      {"odd width, x 513", {1025, 768}, {513, 300}, kWin, {600, 400}, true, {20, 20}},
      // Heights not divisible by four: sh/4 = 192.25, 192.5, 192.75.
      {"height 769, y 192", {1024, 769}, {600, 192}, kWin, {700, 300}, true, {20, 358}},
      {"height 770, y 192", {1024, 770}, {600, 192}, kWin, {700, 300}, true, {20, 359}},
      {"height 771, y 192", {1024, 771}, {600, 192}, kWin, {700, 300}, true, {20, 360}},
      {"height 771, y 193", {1024, 771}, {600, 193}, kWin, {700, 300}, true, {20, 20}},
  };
  for (const Case& c : cases) CheckDodge(c);
}

TEST(Dodge, TargetsAreNotClampedToTheScreen) {
  const Case cases[] = {
      {"wider than half the screen, left",
       kScreen,
       {100, 100},
       {700, 391},
       {200, 200},
       true,
       {304, kBottomY}},
      {"wider than half the screen, right",
       kScreen,
       {600, 300},
       {700, 391},
       {700, 400},
       true,
       {20, 20}},
      {"wider than the screen", kScreen, {100, 300}, {1100, 391}, {200, 400}, true, {-96, 20}},
      {"taller than the screen", kScreen, {600, 100}, {480, 800}, {700, 200}, true, {20, -52}},
  };
  for (const Case& c : cases) CheckDodge(c);
}

TEST(Dodge, WindowOnAnotherMonitorComesToPrimaryScreen) {
  const Case cases[] = {
      {"monitor left of and above primary",
       kScreen,
       {-1500, -200},
       kWin,
       {-1400, -100},
       true,
       {kRightX, kBottomY}},
      {"monitor left of primary, low",
       kScreen,
       {-1500, 500},
       kWin,
       {-1400, 600},
       true,
       {kRightX, 20}},
      {"monitor right of and below primary",
       kScreen,
       {1500, 900},
       kWin,
       {1600, 1000},
       true,
       {20, 20}},
      // Sums near the 32-bit limit must not wrap and hide the pointer from the test.
      {"far off to the right", kScreen, {2147483400, 300}, kWin, {2147483600, 400}, true, {20, 20}},
  };
  for (const Case& c : cases) CheckDodge(c);
}

}  // namespace
}  // namespace vexlumen
