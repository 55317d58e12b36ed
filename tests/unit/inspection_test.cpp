#include "inspect/inspection.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

using testing::FakeMainWindow;
using testing::FakeWindowSystem;
using Shown = std::vector<Text>;  // Title, Class, ControlText, ControlId

Shown ShownIn(MainWindow& window) {
  return {window.ReadBox(Box::Title), window.ReadBox(Box::Class), window.ReadBox(Box::ControlText),
          window.ReadBox(Box::ControlId)};
}

void FillWithStaleValues(MainWindow& window) {
  for (Box box : {Box::Title, Box::Class, Box::ControlText, Box::ControlId}) {
    window.WriteBox(box, "stale value");
  }
}

// main (ownerless)              dialog (owned by main)       advanced (owned by dialog)
//   Edit "first"                  Button "OK"                  Edit "value"
//   Panel
//     Button "Go"                                            notes (ownerless, no children)
//     Edit "second"
TEST(RefreshInspection, FillsTheBoxesForWhatIsUnderThePointer) {
  FakeWindowSystem ws;
  const Text mainTitle = "Main \xb2\xe2\xca\xd4";  // GBK bytes pass through untouched
  const auto main = ws.AddTopLevel({{0, 0, 400, 300}, "Main", mainTitle});
  ws.AddChild(main, {{10, 10, 110, 30}, "Edit", "first"});
  const auto panel = ws.AddChild(main, {{10, 50, 390, 290}, "Panel", "panel"});
  ws.AddChild(panel, {{20, 60, 80, 80}, "Button", "Go"});
  ws.AddChild(panel, {{20, 100, 200, 120}, "Edit", "second"});
  const auto dialog = ws.AddOwnedPopup(main, {{500, 0, 700, 200}, "#32770", "Settings"});
  ws.AddChild(dialog, {{510, 10, 570, 30}, "Button", "OK"});
  const auto advanced = ws.AddOwnedPopup(dialog, {{500, 300, 700, 500}, "#32770", "Advanced"});
  ws.AddChild(advanced, {{510, 310, 600, 330}, "Edit", "value"});
  ws.AddTopLevel({{800, 0, 900, 100}, "Notes", "notes"});

  const struct {
    const char* what;
    Point pointer;
    Shown expected;
  } cases[] = {
      {"nested control", {30, 110}, {mainTitle, "Edit", "second", "Edit2"}},
      {"bare area of an ownerless top-level", {300, 20}, {mainTitle, "", "", ""}},
      {"ownerless top-level without children", {850, 50}, {"notes", "", "", ""}},
      {"control in an owned dialog", {520, 20}, {mainTitle, "Button", "OK", ""}},
      {"bare area of an owned dialog", {600, 150}, {mainTitle, "#32770", "Settings", ""}},
      {"control two owners away", {520, 320}, {mainTitle, "Edit", "value", ""}},
      {"no window at all", {2000, 2000}, {"", "", "", ""}},
  };
  // One inspection for all ticks, as in the program: nothing may leak from one tick to the next.
  Inspection inspection(ws);
  FakeMainWindow window;
  for (const auto& c : cases) {
    FillWithStaleValues(window);
    ws.SetPointer(c.pointer);
    inspection.RefreshInspection(window);
    EXPECT_EQ(ShownIn(window), c.expected) << c.what;
  }
}

// The tool's boxes are windows of the system like any other, and what they show is what they
// hold: this main window passes every write on to the box window of the fake.
class MirroringMainWindow : public FakeMainWindow {
 public:
  MirroringMainWindow(FakeWindowSystem& ws, WindowHandle handle)
      : FakeMainWindow(handle), ws_(ws) {}
  void Mirror(Box box, WindowHandle w) { windows_[box] = w; }
  void WriteBox(Box box, const Text& text) override {
    FakeMainWindow::WriteBox(box, text);
    auto it = windows_.find(box);
    if (it != windows_.end()) ws_.SetText(it->second, text);
  }

 private:
  FakeWindowSystem& ws_;
  std::map<Box, WindowHandle> windows_;
};

// Each box is written as soon as its value is read, so the pointer on the title or class box
// shows the value written there in this very tick, and on a later box the previous value.
TEST(RefreshInspection, OwnBoxesShowWhatTheyHoldAtTheMomentTheyAreRead) {
  const Box boxes[] = {Box::Title, Box::Class, Box::ControlText, Box::ControlId};
  const struct {
    Box underPointer;
    Shown expected;
  } cases[] = {
      {Box::Title, {"Vexlumen", "Edit", "Vexlumen", "Edit1"}},
      {Box::Class, {"Vexlumen", "Edit", "Edit", "Edit2"}},
      {Box::ControlText, {"Vexlumen", "Edit", "old ControlText", "Edit3"}},
      {Box::ControlId, {"Vexlumen", "Edit", "old ControlId", "Edit4"}},
  };
  for (const auto& c : cases) {
    FakeWindowSystem ws;
    const auto tool = ws.AddTopLevel({{0, 0, 480, 391}, "#32770", "Vexlumen"});
    MirroringMainWindow window(ws, tool);
    std::map<Box, WindowHandle> boxWindows;
    for (int i = 0; i < 4; ++i) {
      boxWindows[boxes[i]] = ws.AddChild(tool, {{10, 10 + 30 * i, 300, 30 + 30 * i}, "Edit", ""});
      window.Mirror(boxes[i], boxWindows[boxes[i]]);
    }
    window.WriteBox(Box::Title, "old Title");
    window.WriteBox(Box::Class, "old Class");
    window.WriteBox(Box::ControlText, "old ControlText");
    window.WriteBox(Box::ControlId, "old ControlId");
    const Rect r = ws.ReadOuterRect(boxWindows[c.underPointer]);
    ws.SetPointer({r.left + 1, r.top + 1});

    Inspection(ws).RefreshInspection(window);
    EXPECT_EQ(ShownIn(window), c.expected) << "pointer on box " << static_cast<int>(c.underPointer);
  }
}

// Asking the system for the target and its class again at every comparison costs a number of
// calls cubic in the controls before the target; a tick must cost about one call per control
// enumerated before the target, plus a few.
TEST(RefreshInspection, CallsGrowWithTheTargetsPositionOnly) {
  constexpr int kPanels = 40;
  constexpr int kButtonsPerPanel = 10;
  FakeWindowSystem ws;
  const auto form = ws.AddTopLevel({{0, 0, kPanels * 100, 100}, "Form", "form"});
  for (int p = 0; p < kPanels; ++p) {
    const auto panel = ws.AddChild(form, {{p * 100, 0, p * 100 + 100, 100}, "Panel", ""});
    for (int b = 0; b < kButtonsPerPanel; ++b) {
      ws.AddChild(panel, {{p * 100 + b * 10, 0, p * 100 + b * 10 + 10, 10}, "Button", ""});
    }
  }

  Inspection inspection(ws);
  for (int panel : {0, kPanels / 2, kPanels - 1}) {
    // The last button of the panel: no siblings below it to walk.
    ws.SetPointer({panel * 100 + 95, 5});
    const std::size_t position = (panel + 1) * (kButtonsPerPanel + 1);
    ws.ResetCallCount();
    FakeMainWindow window;
    inspection.RefreshInspection(window);
    EXPECT_EQ(window.ReadBox(Box::ControlId),
              "Button" + std::to_string((panel + 1) * kButtonsPerPanel));
    EXPECT_LE(ws.CallCount(), position + 20) << "target at position " << position;
  }
}

}  // namespace
}  // namespace vexlumen
