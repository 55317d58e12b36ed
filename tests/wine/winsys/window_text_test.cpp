// Window texts asked by message: another process's edit, a hung window, and windows that give
// nonsense answers.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <string>

#include "tests/wine/window_host/host_protocol.h"
#include "tests/wine/winsys/test_support.h"
#include "winsys/win32/win32_window_system.h"

namespace vexlumen::testing {
namespace {

using namespace std::chrono_literals;

// Far below what a person notices as a freeze, far above the bound the reads keep to.
constexpr auto kNoFreeze = 1000ms;

TEST(ReadWindowText, GivesTheGbkBytesOfAnotherProcesssEdit) {
  ASSERT_EQ(GetACP(), 936u) << "the tests expect the Chinese ANSI code page";
  const auto host = HostProcess::Start();
  ASSERT_TRUE(host) << "window_host.exe did not show its windows";
  // What the edit holds, as characters: so that the bytes below cannot be a lucky round trip.
  wchar_t held[64] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(host->Edit(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(held), SMTO_NORMAL,
                      5000, &copied);
  ASSERT_STREQ(held, host::kEditTextUtf16);

  win32::Win32WindowSystem ws;
  EXPECT_EQ(ws.ReadWindowText(Handle(host->Edit())), host::kEditTextGbk);
  char title[128] = {};
  GetWindowTextA(host->TopWindow(), title, sizeof title);
  EXPECT_EQ(ws.ReadWindowText(Handle(host->TopWindow())), title);
}

TEST(ReadWindowText, AHungWindowGivesEmptyTextAtOnceAndItsTextAgainAfterwards) {
  const auto host = HostProcess::Start();
  ASSERT_TRUE(host) << "window_host.exe did not show its windows";
  win32::Win32WindowSystem ws;
  ASSERT_EQ(ws.ReadWindowText(Handle(host->Edit())), host::kEditTextGbk);

  ASSERT_EQ(host->Command(host::kHang, 2500), 1);
  for (const HWND w : {host->Edit(), host->TopWindow()}) {
    Text text = "not read";
    EXPECT_LT(TimeOf([&] { text = ws.ReadWindowText(Handle(w)); }), kNoFreeze);
    EXPECT_EQ(text, "");
  }

  // Once the host wakes up it answers again.
  Text text;
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (text.empty() && std::chrono::steady_clock::now() < deadline) {
    EXPECT_LT(TimeOf([&] { text = ws.ReadWindowText(Handle(host->Edit())); }), kNoFreeze);
    if (text.empty()) Sleep(100);
  }
  EXPECT_EQ(text, host::kEditTextGbk);
}

TEST(ReadWindowText, OwnWindowsTextsAndNoWindow) {
  win32::Win32WindowSystem ws;
  const struct {
    const char* what;
    const char* text;
  } cases[] = {
      {"ASCII", "Hello, world"},
      {"GBK", host::kEditTextGbk},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ScopedWindow w(PlainClassName(), WS_OVERLAPPED, nullptr, {0, 0, 50, 50}, c.text);
    EXPECT_EQ(ws.ReadWindowText(w.Handle()), c.text);
  }
  EXPECT_EQ(ws.ReadWindowText(kNoWindow), "");
}

// How a window answers the two text questions.
struct Answers {
  LRESULT length;       // to WM_GETTEXTLENGTH
  std::string written;  // written to the WM_GETTEXT buffer, cut to its size; all of it, any
                        // NULs included, or the whole buffer of 'x' when `fill` is set
  bool fill;
  LRESULT claimed;  // returned from WM_GETTEXT
};

LRESULT CALLBACK BogusTextProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* answers = reinterpret_cast<const Answers*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (answers == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_GETTEXTLENGTH) return answers->length;
  if (message == WM_GETTEXT) {
    auto* buffer = reinterpret_cast<char*>(lParam);
    const std::size_t size = wParam;
    if (answers->fill) {
      std::memset(buffer, 'x', size);
    } else {
      std::memcpy(buffer, answers->written.data(), std::min(size, answers->written.size()));
    }
    return answers->claimed;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(ReadWindowText, NonsenseAnswersNeverReadPastTheBuffer) {
  const ScopedClass bogus("VexlumenBogusText", BogusTextProc);
  ASSERT_TRUE(bogus.IsRegistered());
  win32::Win32WindowSystem ws;
  const struct {
    const char* what;
    Answers answers;
    Text expected;
  } cases[] = {
      {"negative length", {-1, std::string("abc", 4), false, 3}, ""},
      {"absurd length", {0x7FFFFFFF, std::string("abc", 4), false, 3}, "abc"},
      {"fewer bytes than announced", {20, std::string("ab\0", 3), false, 2}, "ab"},
      {"claims more than the buffer", {2, "abcd", false, 1000}, "abcd"},
      {"claims less than it wrote", {5, std::string("hello", 6), false, 2}, "hello"},
      {"bytes after the terminator", {5, std::string("ab\0cd", 5), false, 5}, "ab"},
      // Two wide characters make a buffer of five bytes, all of which get filled.
      {"fills the whole buffer, no terminator", {2, "", true, 5}, "xxxxx"},
      {"no bytes but claims some", {3, "", false, 3}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ScopedWindow w(bogus.Name(), WS_OVERLAPPED, nullptr, {0, 0, 50, 50});
    SetWindowLongPtrA(w.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&c.answers));
    EXPECT_EQ(ws.ReadWindowText(w.Handle()), c.expected);
    SetWindowLongPtrA(w.Get(), GWLP_USERDATA, 0);
  }
}

}  // namespace
}  // namespace vexlumen::testing
