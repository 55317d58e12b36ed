// The finder drag: capture, drag pointer, timers and the finder picture while a drag is on, and
// above all that the user's own arrow always comes back and no cursor handle is left behind.
#include <gtest/gtest.h>

#include "app/finder_drag.h"
#include "tests/fakes/fake_main_window.h"
#include "tests/fakes/fake_window_system.h"

namespace vexlumen {
namespace {

// "D:\工具" and "D:\工具\鼠标指针.cur" in GBK: the file sits beside the executable.
const Text kExeDir = "D:\\\xb9\xa4\xbe\xdf";
const Text kDragCursorPath = kExeDir + "\\\xca\xf3\xb1\xea\xd6\xb8\xd5\xeb.cur";

class FinderDragTest : public ::testing::Test {
 protected:
  FinderDragTest() { ws.SetExecutableDirectory(kExeDir); }

  void ExpectIdle() {
    EXPECT_EQ(ws.CapturedWindow(), kNoWindow);
    EXPECT_EQ(window.TimerPeriod(TimerId::Inspect), 0u);
    EXPECT_EQ(window.TimerPeriod(TimerId::Dodge), 0u);
    EXPECT_TRUE(window.FinderImageShown());
    EXPECT_EQ(ws.NormalArrowImage(), "arrow");
    EXPECT_EQ(ws.OutstandingCursors(), 0u);
    EXPECT_FALSE(drag.HoldsSavedArrow());
  }

  testing::FakeWindowSystem ws;
  const WindowHandle mainHandle = ws.AddTopLevel({{272, 188, 752, 579}, "Main", "Vexlumen"});
  const WindowHandle otherApp = ws.AddTopLevel({{0, 0, 100, 100}, "Other", "Other"});
  testing::FakeMainWindow window{mainHandle};
  FinderDrag drag{ws, window};
};

TEST_F(FinderDragTest, PressStartsDragWithCursorFileBesideExecutable) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();

  EXPECT_EQ(ws.CapturedWindow(), mainHandle);
  EXPECT_FALSE(window.FinderImageShown());
  EXPECT_EQ(ws.NormalArrowImage(), kDragCursorPath);
  EXPECT_EQ(window.TimerPeriod(TimerId::Inspect), 500u);
  EXPECT_EQ(window.TimerPeriod(TimerId::Dodge), 500u);
  EXPECT_TRUE(drag.HoldsSavedArrow());
  EXPECT_EQ(ws.OutstandingCursors(), 1u);  // only the saved copy of the user's arrow
}

TEST_F(FinderDragTest, ReleaseEndsDragAndGivesEverythingBack) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();
  drag.EndFinderDrag();

  ExpectIdle();
  EXPECT_EQ(window.FinderArrowResets(), 1);
}

TEST_F(FinderDragTest, MissingCursorFileStillDragsAndLeavesArrow) {
  // A file of that name elsewhere does not count.
  ws.AddCursorFile("C:\\Tools\\\xca\xf3\xb1\xea\xd6\xb8\xd5\xeb.cur");
  drag.BeginFinderDrag();

  EXPECT_EQ(ws.CapturedWindow(), mainHandle);
  EXPECT_FALSE(window.FinderImageShown());
  EXPECT_EQ(window.TimerPeriod(TimerId::Inspect), 500u);
  EXPECT_EQ(window.TimerPeriod(TimerId::Dodge), 500u);
  EXPECT_EQ(ws.NormalArrowImage(), "arrow");
  EXPECT_EQ(ws.NormalArrowReplacements(), 0);

  drag.EndFinderDrag();
  ExpectIdle();
}

TEST_F(FinderDragTest, ReleaseWithoutDragChangesNoPointer) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();
  drag.EndFinderDrag();
  const int replacements = ws.NormalArrowReplacements();

  // A click on bare client area sends a release too.
  drag.EndFinderDrag();
  ExpectIdle();
  EXPECT_EQ(ws.NormalArrowReplacements(), replacements);
}

TEST_F(FinderDragTest, EachDragSavesTheArrowAsItIsThen) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();
  drag.EndFinderDrag();

  // The user picks another pointer between two drags; that one must come back after the second.
  ws.AddCursorFile("C:\\user.cur");
  ws.ReplaceNormalArrow(ws.LoadCursorFile("C:\\user.cur"));

  drag.BeginFinderDrag();
  EXPECT_EQ(ws.NormalArrowImage(), kDragCursorPath);
  EXPECT_TRUE(drag.HoldsSavedArrow());
  drag.EndFinderDrag();

  EXPECT_EQ(ws.NormalArrowImage(), "C:\\user.cur");
  EXPECT_EQ(ws.OutstandingCursors(), 0u);
  EXPECT_FALSE(drag.HoldsSavedArrow());
}

TEST_F(FinderDragTest, LostCaptureDoesNotEndDrag) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();
  ws.CaptureMouse(otherApp);  // another program takes the mouse before the release

  EXPECT_EQ(window.TimerPeriod(TimerId::Inspect), 500u);
  EXPECT_EQ(window.TimerPeriod(TimerId::Dodge), 500u);
  EXPECT_EQ(ws.NormalArrowImage(), kDragCursorPath);
  EXPECT_TRUE(drag.HoldsSavedArrow());
}

TEST_F(FinderDragTest, SecondPressDuringDragKeepsUsersArrow) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();
  ws.CaptureMouse(otherApp);

  // The user presses the finder again: the pointer now shown is the drag cursor, and saving it
  // would make it the arrow for good.
  drag.BeginFinderDrag();
  EXPECT_EQ(ws.CapturedWindow(), mainHandle);
  EXPECT_EQ(ws.NormalArrowImage(), kDragCursorPath);

  drag.EndFinderDrag();
  ExpectIdle();
}

TEST_F(FinderDragTest, RestoreAtExitPutsArrowBackDuringDragOnly) {
  ws.AddCursorFile(kDragCursorPath);
  drag.BeginFinderDrag();
  drag.RestoreSystemArrow();
  EXPECT_EQ(ws.NormalArrowImage(), "arrow");
  EXPECT_EQ(ws.OutstandingCursors(), 0u);
  EXPECT_FALSE(drag.HoldsSavedArrow());

  // Once given back, the handle is the system's: a second call must not hand it over again.
  const int replacements = ws.NormalArrowReplacements();
  drag.RestoreSystemArrow();
  EXPECT_EQ(ws.NormalArrowReplacements(), replacements);
}

TEST_F(FinderDragTest, RestoreAtExitWhenIdleDoesNothing) {
  ws.AddCursorFile(kDragCursorPath);
  drag.RestoreSystemArrow();
  EXPECT_EQ(ws.NormalArrowReplacements(), 0);
  EXPECT_EQ(ws.NormalArrowImage(), "arrow");
}

}  // namespace
}  // namespace vexlumen
