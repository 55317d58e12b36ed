// Where windows are and how they hang together: parents and owners, Z-order, descendants,
// class names, geometry and capture, asked of real windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/wine/winsys/test_support.h"
#include "winsys/win32/handle_conversion.h"
#include "winsys/win32/win32_window_system.h"

namespace vexlumen::testing {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr RECT kSmall{10, 10, 60, 40};

TEST(HandleConversion, KeepsAllThirtyTwoBitsAndSignExtendsLikeTheSystem) {
  for (const std::uint32_t value : {0x0u, 0x00010020u, 0x7FFFFFFFu, 0x80000000u, 0xFFFF1234u}) {
    SCOPED_TRACE(value);
    const HWND hwnd = win32::ToHwnd(WindowHandle{value});
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(hwnd), static_cast<LONG>(value));
    EXPECT_EQ(win32::ToWindowHandle(hwnd).value, value);
  }
}

TEST(FindParent, GivesParentOfChildOwnerOfPopupAndNothingForOtherTopLevels) {
  win32::Win32WindowSystem ws;
  const ScopedWindow owner(PlainClassName(), WS_OVERLAPPEDWINDOW, nullptr, {50, 50, 350, 250});
  const ScopedWindow child(PlainClassName(), kChild, owner.Get(), kSmall);
  const ScopedWindow grandchild(PlainClassName(), kChild, child.Get(), kSmall);
  const ScopedWindow popup(PlainClassName(), WS_POPUP, owner.Get(), {60, 60, 160, 160});
  const ScopedWindow ownedOverlapped(PlainClassName(), WS_OVERLAPPED, owner.Get(),
                                     {70, 70, 170, 170});
  const ScopedWindow unowned(PlainClassName(), WS_OVERLAPPED, nullptr, {80, 80, 180, 180});

  const struct {
    const char* what;
    WindowHandle window;
    WindowHandle expected;
  } cases[] = {
      {"child", child.Handle(), owner.Handle()},
      {"grandchild", grandchild.Handle(), child.Handle()},
      {"owned pop-up", popup.Handle(), owner.Handle()},
      {"owned overlapped window", ownedOverlapped.Handle(), kNoWindow},
      {"unowned top-level window", unowned.Handle(), kNoWindow},
      {"no window", kNoWindow, kNoWindow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ws.FindParent(c.window).value, c.expected.value);
  }
}

TEST(FindNextSibling, FollowsZOrderDownwardsAndEndsAfterTheLast) {
  win32::Win32WindowSystem ws;
  const ScopedWindow parent(PlainClassName(), WS_OVERLAPPEDWINDOW, nullptr, {50, 50, 350, 250});
  // A new child goes below its existing siblings.
  const ScopedWindow a(PlainClassName(), kChild, parent.Get(), kSmall);
  const ScopedWindow b(PlainClassName(), kChild, parent.Get(), kSmall);
  const ScopedWindow c(PlainClassName(), kChild, parent.Get(), kSmall);
  EXPECT_EQ(ws.FindNextSibling(a.Handle()), b.Handle());
  EXPECT_EQ(ws.FindNextSibling(b.Handle()), c.Handle());
  EXPECT_EQ(ws.FindNextSibling(c.Handle()), kNoWindow);

  // Raising the last one puts it first: the order is the current Z-order, not creation.
  ASSERT_TRUE(SetWindowPos(c.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
  EXPECT_EQ(ws.FindNextSibling(c.Handle()), a.Handle());
  EXPECT_EQ(ws.FindNextSibling(b.Handle()), kNoWindow);
}

class DescendantsTest : public ::testing::Test {
 protected:
  std::vector<WindowHandle> Visit(WindowHandle root, std::size_t stopAfter) {
    std::vector<WindowHandle> seen;
    ws_.EnumerateDescendants(root, [&](WindowHandle h) {
      seen.push_back(h);
      return seen.size() < stopAfter;
    });
    return seen;
  }

  win32::Win32WindowSystem ws_;
  const ScopedWindow root_{PlainClassName(), WS_OVERLAPPEDWINDOW, nullptr, {50, 50, 350, 250}};
  const ScopedWindow a_{PlainClassName(), kChild, root_.Get(), kSmall};
  const ScopedWindow a1_{PlainClassName(), kChild, a_.Get(), kSmall};
  const ScopedWindow a2_{PlainClassName(), kChild, a_.Get(), kSmall};
  const ScopedWindow b_{PlainClassName(), kChild, root_.Get(), kSmall};
};

TEST_F(DescendantsTest, VisitsEveryDepthOnceEachParentBeforeItsChildren) {
  const std::vector<WindowHandle> all{a_.Handle(), a1_.Handle(), a2_.Handle(), b_.Handle()};
  EXPECT_EQ(Visit(root_.Handle(), 100), all);
  EXPECT_EQ(Visit(a_.Handle(), 100), (std::vector<WindowHandle>{a1_.Handle(), a2_.Handle()}));
  EXPECT_TRUE(Visit(b_.Handle(), 100).empty());
  EXPECT_TRUE(Visit(kNoWindow, 100).empty());
}

TEST_F(DescendantsTest, StopsAtOnceWhenTheVisitorSaysSoAtAnyDepth) {
  const std::vector<WindowHandle> all{a_.Handle(), a1_.Handle(), a2_.Handle(), b_.Handle()};
  for (std::size_t stopAfter = 1; stopAfter <= all.size(); ++stopAfter) {
    SCOPED_TRACE(stopAfter);
    EXPECT_EQ(Visit(root_.Handle(), stopAfter),
              std::vector<WindowHandle>(all.begin(), all.begin() + stopAfter));
  }
}

TEST_F(DescendantsTest, AnExceptionFromTheVisitorReachesTheCaller) {
  int visits = 0;
  EXPECT_THROW(ws_.EnumerateDescendants(root_.Handle(),
                                        [&](WindowHandle) -> bool {
                                          ++visits;
                                          throw std::runtime_error("visitor failed");
                                        }),
               std::runtime_error);
  EXPECT_EQ(visits, 1);
}

// `count` distinct GBK characters (from the first level of GB2312), two bytes each.
std::string GbkCharacters(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) {
    s += static_cast<char>(0xB0 + (i / 94) % 32);
    s += static_cast<char>(0xA1 + i % 94);
  }
  return s;
}

TEST(ReadClassName, GivesAtMost258BytesOfTheName) {
  win32::Win32WindowSystem ws;
  const struct {
    const char* what;
    std::string name;
    std::string expected;
  } cases[] = {
      {"short ASCII name", "VexlumenShortName", "VexlumenShortName"},
      {"short Chinese name", GbkCharacters(4), GbkCharacters(4)},
      {"255 ASCII characters, the longest name the system registers", std::string(255, 'n'),
       std::string(255, 'n')},
      {"129 Chinese characters: exactly 258 bytes", GbkCharacters(129), GbkCharacters(129)},
      {"130 Chinese characters: 260 bytes cut to 258", GbkCharacters(130), GbkCharacters(129)},
      {"150 Chinese characters: 300 bytes cut to 258", GbkCharacters(150), GbkCharacters(129)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ScopedClass cls(c.name);
    ASSERT_TRUE(cls.IsRegistered());
    const ScopedWindow w(cls.Name(), WS_OVERLAPPED, nullptr, kSmall);
    ASSERT_NE(w.Get(), nullptr);
    EXPECT_EQ(ws.ReadClassName(w.Handle()), c.expected);
  }
}

TEST(ReadClassName, CutInsideACharacterStillGivesAPrefixOfAtMost258Bytes) {
  win32::Win32WindowSystem ws;
  // One ASCII byte first puts byte 258 in the middle of a character.
  const std::string name = "x" + GbkCharacters(140);
  const ScopedClass cls(name);
  ASSERT_TRUE(cls.IsRegistered());
  const ScopedWindow w(cls.Name(), WS_OVERLAPPED, nullptr, kSmall);
  const Text got = ws.ReadClassName(w.Handle());
  EXPECT_LE(got.size(), 258u);
  EXPECT_GE(got.size(), 257u);
  EXPECT_EQ(got, name.substr(0, got.size()));
}

TEST(Geometry, RectanglesOriginsHitTestingAndVisibilityOfRealWindows) {
  win32::Win32WindowSystem ws;
  // No frame: the client area starts at the window's corner.
  const ScopedWindow top(PlainClassName(), WS_POPUP | WS_VISIBLE, nullptr, {100, 120, 400, 320});
  const ScopedWindow child(PlainClassName(), kChild, top.Get(), {10, 20, 60, 60});
  const ScopedWindow framed(PlainClassName(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr,
                            {420, 120, 620, 320});
  ASSERT_NE(child.Get(), nullptr);

  EXPECT_EQ(ws.ReadOuterRect(top.Handle()), (Rect{100, 120, 400, 320}));
  EXPECT_EQ(ws.ReadOuterRect(child.Handle()), (Rect{110, 140, 160, 180}));
  EXPECT_EQ(ws.ReadClientOrigin(child.Handle()), (Point{110, 140}));
  // With a caption and borders the client area starts inside the outer rectangle.
  const Point framedOrigin = ws.ReadClientOrigin(framed.Handle());
  EXPECT_GT(framedOrigin.x, 420);
  EXPECT_GT(framedOrigin.y, 120);
  EXPECT_TRUE(ws.ReadOuterRect(framed.Handle()).Contains(framedOrigin));

  EXPECT_EQ(ws.FindWindowAtPoint({130, 160}), child.Handle());
  EXPECT_EQ(ws.FindWindowAtPoint({300, 300}), top.Handle());

  EXPECT_TRUE(ws.IsVisible(child.Handle()));
  ShowWindow(top.Get(), SW_HIDE);
  EXPECT_FALSE(ws.IsVisible(top.Handle()));
  EXPECT_FALSE(ws.IsVisible(child.Handle())) << "a child of a hidden window is not visible";
}

TEST(Geometry, AGoneWindowGivesEmptyAnswers) {
  win32::Win32WindowSystem ws;
  WindowHandle gone;
  {
    const ScopedWindow w(PlainClassName(), WS_POPUP | WS_VISIBLE, nullptr, {100, 120, 400, 320},
                         "text");
    gone = w.Handle();
  }
  EXPECT_EQ(ws.ReadOuterRect(gone), Rect{});
  EXPECT_FALSE(ws.IsVisible(gone));
  EXPECT_EQ(ws.ReadClassName(gone), "");
  EXPECT_EQ(ws.ReadWindowText(gone), "");
  EXPECT_EQ(ws.FindParent(gone), kNoWindow);
  EXPECT_EQ(ws.FindNextSibling(gone), kNoWindow);
  int visits = 0;
  ws.EnumerateDescendants(gone, [&](WindowHandle) {
    ++visits;
    return true;
  });
  EXPECT_EQ(visits, 0);
}

TEST(Screen, PointerAndScreenSizeOfTheTestDesktop) {
  win32::Win32WindowSystem ws;
  // run-suite.sh gives Wine a virtual desktop of this size.
  EXPECT_EQ(ws.ReadScreenSize(), (Size{1024, 768}));
  ASSERT_TRUE(SetCursorPos(123, 234));
  EXPECT_EQ(ws.GetPointerPosition(), (Point{123, 234}));
}

TEST(Capture, CaptureAndReleaseReachTheSystem) {
  win32::Win32WindowSystem ws;
  const ScopedWindow w(PlainClassName(), WS_POPUP | WS_VISIBLE, nullptr, {100, 120, 200, 220});
  ws.CaptureMouse(w.Handle());
  EXPECT_EQ(GetCapture(), w.Get());
  ws.ReleaseMouseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace vexlumen::testing
