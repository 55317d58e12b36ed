#include <gtest/gtest.h>

#include "inspect/inspection.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

TEST(Smoke, ControlUnderTopLevelFillsFourBoxes) {
  testing::FakeWindowSystem ws;
  const auto top = ws.AddTopLevel({{0, 0, 300, 200}, "Notepad", "Untitled"});
  ws.AddChild(top, {{10, 10, 290, 190}, "Edit", "hello"});
  ws.SetPointer({50, 50});
  testing::FakeMainWindow window;
  Inspection(ws).RefreshInspection(window);
  EXPECT_EQ(window.ReadBox(Box::Title), "Untitled");
  EXPECT_EQ(window.ReadBox(Box::Class), "Edit");
  EXPECT_EQ(window.ReadBox(Box::ControlText), "hello");
  EXPECT_EQ(window.ReadBox(Box::ControlId), "Edit1");
}

}  // namespace
}  // namespace vexlumen
