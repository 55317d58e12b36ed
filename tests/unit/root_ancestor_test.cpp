#include "inspect/root_ancestor.h"

#include <gtest/gtest.h>

#include <string>

#include "inspect/inspection.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

using testing::FakeMainWindow;
using testing::FakeWindowSystem;

// main <- owned dialog <- owned tool window: a chain that goes through two owners.
class RootAncestorTest : public ::testing::Test {
 protected:
  FakeWindowSystem ws;
  WindowHandle main = ws.AddTopLevel({{0, 0, 800, 600}, "Main", "main"});
  WindowHandle panel = ws.AddChild(main, {{10, 10, 400, 300}, "Panel", ""});
  WindowHandle inner = ws.AddChild(panel, {{20, 20, 200, 200}, "Panel", ""});
  WindowHandle deep = ws.AddChild(inner, {{30, 30, 90, 50}, "Button", "deep"});
  WindowHandle shallow = ws.AddChild(main, {{500, 10, 560, 30}, "Button", "shallow"});
  WindowHandle dialog = ws.AddOwnedPopup(main, {{100, 100, 400, 400}, "#32770", "dialog"});
  WindowHandle dialogButton = ws.AddChild(dialog, {{110, 110, 170, 130}, "Button", "OK"});
  WindowHandle tool = ws.AddOwnedPopup(dialog, {{150, 150, 300, 300}, "#32770", "tool"});
  WindowHandle toolEdit = ws.AddChild(tool, {{160, 160, 260, 180}, "Edit", ""});
  WindowHandle lone = ws.AddTopLevel({{900, 0, 1000, 100}, "Lone", "lone"});
};

TEST_F(RootAncestorTest, LastWindowOfTheParentOrOwnerChain) {
  const struct {
    const char* what;
    WindowHandle target;
    WindowHandle expected;
  } cases[] = {
      {"no target", kNoWindow, kNoWindow},
      {"ownerless top-level", lone, kNoWindow},
      {"ownerless top-level with children", main, kNoWindow},
      {"direct child", shallow, main},
      {"control three levels down", deep, main},
      {"owned dialog", dialog, main},
      {"control in owned dialog", dialogButton, main},
      {"control in window owned by an owned dialog", toolEdit, main},
  };
  RootAncestorFinder finder(ws);
  for (const auto& c : cases) {
    EXPECT_EQ(finder.FindRootAncestorOf(c.target), c.expected) << c.what;
  }
}

TEST_F(RootAncestorTest, InspectionStartsFromTheWindowUnderThePointer) {
  Inspection inspection(ws);
  ws.SetPointer({165, 165});
  EXPECT_EQ(inspection.FindRootAncestor(), main);
  ws.SetPointer({2000, 2000});
  EXPECT_EQ(inspection.FindRootAncestor(), kNoWindow);
}

// Through handle reuse, owner links of other applications can form a loop. The fake never
// reuses handles, but it numbers them predictably, so a pop-up can be given the owner that the
// next window will get.
TEST(RootAncestorCycle, OwnerLoopEndsTheTick) {
  FakeWindowSystem ws;
  const WindowHandle first = ws.AddOwnedPopup(WindowHandle{0x104}, {{0, 0, 100, 100}, "A", "a"});
  const WindowHandle second = ws.AddOwnedPopup(first, {{200, 0, 300, 100}, "B", "b"});
  ASSERT_EQ(second.value, 0x104u) << "the fake numbers handles differently now; adapt the loop";
  ASSERT_EQ(ws.FindParent(ws.FindParent(first)), first);

  ws.SetPointer({50, 50});
  ws.ResetCallCount();
  FakeMainWindow window;
  Inspection(ws).RefreshInspection(window);

  // Bounded: a few thousand parent steps at most, not an endless walk.
  EXPECT_LT(ws.CallCount(), 10000u);
  const Text title = window.ReadBox(Box::Title);
  EXPECT_TRUE(title == "a" || title == "b") << title;
  EXPECT_EQ(window.ReadBox(Box::ControlText), "a");
  EXPECT_EQ(window.ReadBox(Box::ControlId), "");
}

}  // namespace
}  // namespace vexlumen
