#include "inspect/control_id.h"

#include <gtest/gtest.h>

#include <string>

#include "inspect/inspection.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

using testing::FakeMainWindow;
using testing::FakeWindowSystem;

// form
//   Button  hidden          (1st Button)
//   Panel
//     Button                (2nd)
//     Panel
//       Button              (3rd: deeper than the 4th, but enumerated before it)
//       button              (another class: the comparison is case-sensitive)
//   Edit
//   Button                  (4th)
// A breadth-first count would give the 4th Button ordinal 2; skipping hidden windows would
// shift every ordinal by one.
class ControlIdTest : public ::testing::Test {
 protected:
  FakeWindowSystem ws;
  WindowHandle form = ws.AddTopLevel({{0, 0, 500, 500}, "Form", "form"});
  WindowHandle hiddenButton = ws.AddChild(form, {{0, 0, 10, 10}, "Button", "", false});
  WindowHandle outerPanel = ws.AddChild(form, {{10, 10, 300, 300}, "Panel", ""});
  WindowHandle button2 = ws.AddChild(outerPanel, {{20, 20, 80, 40}, "Button", ""});
  WindowHandle innerPanel = ws.AddChild(outerPanel, {{20, 50, 280, 280}, "Panel", ""});
  WindowHandle button3 = ws.AddChild(innerPanel, {{30, 60, 90, 80}, "Button", ""});
  WindowHandle lowerButton = ws.AddChild(innerPanel, {{30, 90, 90, 110}, "button", ""});
  WindowHandle edit = ws.AddChild(form, {{310, 10, 490, 30}, "Edit", ""});
  WindowHandle button4 = ws.AddChild(form, {{310, 40, 370, 60}, "Button", ""});
  WindowHandle dialog = ws.AddOwnedPopup(form, {{100, 100, 300, 300}, "#32770", "dialog"});
  WindowHandle dialogButton = ws.AddChild(dialog, {{110, 110, 170, 130}, "Button", "OK"});
  WindowHandle other = ws.AddTopLevel({{600, 0, 700, 100}, "Form", "other"});
  WindowHandle otherButton = ws.AddChild(other, {{610, 10, 670, 30}, "Button", ""});
  WindowHandle empty = ws.AddTopLevel({{800, 0, 900, 100}, "Form", "empty"});
};

TEST_F(ControlIdTest, ClassAndOrdinalAmongAllDescendantsOfTheRoot) {
  const struct {
    const char* what;
    WindowHandle root;
    WindowHandle target;
    Text expected;
  } cases[] = {
      {"hidden window counts", form, hiddenButton, "Button1"},
      {"nested control", form, button2, "Button2"},
      {"deeper one is counted in enumeration order", form, button3, "Button3"},
      {"shallow one after a nested subtree", form, button4, "Button4"},
      {"lower-case class is a class of its own", form, lowerButton, "button1"},
      {"container", form, innerPanel, "Panel2"},
      {"only one of its class", form, edit, "Edit1"},
      {"control of an owned dialog is no descendant", form, dialogButton, ""},
      {"control of another window", form, otherButton, ""},
      {"root without descendants", empty, button2, ""},
      {"no root", kNoWindow, button2, ""},
      {"no target", form, kNoWindow, ""},
  };
  ControlIdComputer ids(ws);
  for (const auto& c : cases) {
    const Text className = c.target.IsNone() ? Text{} : ws.ReadClassName(c.target);
    EXPECT_EQ(ids.ComputeControlIdFor(c.root, c.target, className), c.expected) << c.what;
  }
}

// Class names come back cut to 258 bytes, so names that differ only beyond that are one class
// and the identifier carries the cut name.
TEST(ControlIdLongClassName, NamesAreComparedInTheirCutForm) {
  const Text cut(258, 'K');
  FakeWindowSystem ws;
  const auto form = ws.AddTopLevel({{0, 0, 500, 500}, "Form", "form"});
  ws.AddChild(form, {{0, 0, 10, 10}, cut + "first", ""});
  ws.AddChild(form, {{10, 0, 20, 10}, Text(257, 'K') + "Z", ""});  // differs inside the cut
  ws.AddChild(form, {{20, 0, 30, 10}, cut, ""});
  ws.AddChild(form, {{30, 0, 40, 10}, cut + "third", "target"});
  ws.SetPointer({35, 5});

  FakeMainWindow window;
  Inspection(ws).RefreshInspection(window);
  EXPECT_EQ(window.ReadBox(Box::Class), cut);
  EXPECT_EQ(window.ReadBox(Box::ControlText), "target");
  EXPECT_EQ(window.ReadBox(Box::ControlId), cut + "3");
}

}  // namespace
}  // namespace vexlumen
