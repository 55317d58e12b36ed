#include "inspect/target_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

using testing::FakeWindowSystem;

TEST(FindTargetWindow, NothingUnderThePointerGivesNone) {
  FakeWindowSystem ws;
  ws.AddTopLevel({{0, 0, 100, 100}, "Form", "Form"});
  ws.SetPointer({150, 150});
  EXPECT_EQ(FindTargetWindow(ws), kNoWindow);
}

// An ownerless top-level window is the answer as it is: smaller top-level windows below it are
// other applications, not pieces of it.
TEST(FindTargetWindow, OwnerlessTopLevelIsNotRefined) {
  FakeWindowSystem ws;
  ws.AddTopLevel({{10, 10, 50, 50}, "Small", "below"});
  const auto front = ws.AddTopLevel({{0, 0, 500, 500}, "Big", "front"});
  ws.SetPointer({20, 20});
  EXPECT_EQ(FindTargetWindow(ws), front);
}

// Top-level windows are siblings of each other; for an owned pop-up only those with the same
// owner compete, whatever their size.
TEST(FindTargetWindow, OwnedPopupIsRefinedOnlyToPopupsOfTheSameOwner) {
  FakeWindowSystem ws;
  const auto otherOwner = ws.AddTopLevel({{600, 600, 700, 700}, "Main", "other owner"});
  const auto owner = ws.AddTopLevel({{0, 0, 800, 800}, "Main", "owner"});
  const auto sameOwner = ws.AddOwnedPopup(owner, {{10, 10, 200, 200}, "#32770", "same owner"});
  ws.AddOwnedPopup(otherOwner, {{10, 10, 70, 70}, "#32770", "other owner's"});
  ws.AddTopLevel({{10, 10, 60, 60}, "Tiny", "ownerless"});
  const auto front = ws.AddOwnedPopup(owner, {{0, 0, 400, 400}, "#32770", "front"});
  ws.SetPointer({20, 20});
  ASSERT_EQ(ws.FindWindowAtPoint({20, 20}), front);
  EXPECT_EQ(FindTargetWindow(ws), sameOwner);
}

struct Sibling {
  Rect rect;
  bool visible = true;
};

struct SiblingCase {
  const char* name;
  std::vector<Sibling> siblings;  // children of one form, front of the Z-order first
  Point pointer;
  int forcedHit;  // index the window-at-point answer is forced to; -1 for the normal hit test
  int expected;   // index of the expected target
};

class SiblingRefinement : public ::testing::TestWithParam<SiblingCase> {};

TEST_P(SiblingRefinement, PicksTheExpectedSibling) {
  const SiblingCase& c = GetParam();
  FakeWindowSystem ws;
  const auto form = ws.AddTopLevel({{-100000, -100000, 100000, 100000}, "Form", "form"});
  std::vector<WindowHandle> children;
  for (const Sibling& s : c.siblings) {
    children.push_back(ws.AddChild(form, {s.rect, "Button", "", s.visible}));
  }
  if (c.forcedHit >= 0) ws.ForceWindowAtPoint(children[c.forcedHit]);
  ws.SetPointer(c.pointer);
  EXPECT_EQ(FindTargetWindow(ws), children[c.expected]);
}

const SiblingCase kSiblingCases[] = {
    {"GroupBoxGivesWayToEnclosedControl",
     {{{10, 10, 200, 200}}, {{20, 20, 80, 50}}},
     {30, 30},
     -1,
     1},
    {"SmallestOfSeveralContainingSiblingsWins",
     {{{0, 0, 300, 300}}, {{10, 10, 200, 200}}, {{20, 20, 60, 40}}, {{15, 15, 150, 150}}},
     {25, 25},
     -1,
     2},
    {"EqualAreaKeepsTheFirstMet",
     {{{0, 0, 300, 300}}, {{10, 10, 50, 50}}, {{20, 20, 60, 60}}},
     {30, 30},
     -1,
     1},
    {"EqualAreaKeepsTheHitWindow", {{{0, 0, 40, 40}}, {{5, 5, 45, 45}}}, {10, 10}, -1, 0},
    {"HiddenSiblingIsSkipped",
     {{{0, 0, 300, 300}}, {{20, 20, 40, 40}, false}, {{10, 10, 100, 100}}},
     {25, 25},
     -1,
     2},
    {"SiblingAwayFromThePointerIsSkipped",
     {{{0, 0, 300, 300}}, {{100, 100, 150, 150}}},
     {30, 30},
     -1,
     0},
    {"LeftAndTopEdgesAreInside", {{{0, 0, 300, 300}}, {{10, 10, 50, 50}}}, {10, 10}, -1, 1},
    {"RightEdgeIsOutside", {{{0, 0, 300, 300}}, {{10, 10, 50, 50}}}, {50, 20}, -1, 0},
    {"BottomEdgeIsOutside", {{{0, 0, 300, 300}}, {{10, 10, 50, 50}}}, {20, 50}, -1, 0},
    // The hit test may skip a window (a transparent one, say); what lies above the window it
    // answers was already passed over and must stay so, however small.
    {"SiblingsAboveTheHitWindowAreNeverExamined",
     {{{20, 20, 40, 40}}, {{0, 0, 300, 300}}, {{10, 10, 100, 100}}},
     {25, 25},
     1,
     2},
    // Areas are compared as signed 32-bit products: a rectangle so large that its product wraps
    // negative counts as the smallest.
    {"AreaThatWrapsNegativeCountsAsSmallest",
     {{{0, 0, 300, 300}}, {{20, 20, 60, 40}}, {{-25000, -25000, 25000, 25000}}},
     {30, 30},
     -1,
     2},
};

INSTANTIATE_TEST_SUITE_P(FindTargetWindow, SiblingRefinement, ::testing::ValuesIn(kSiblingCases),
                         [](const auto& testInfo) { return testInfo.param.name; });

}  // namespace
}  // namespace vexlumen
