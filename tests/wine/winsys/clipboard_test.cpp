// Text on the clipboard, as ANSI bytes and as the same characters in UTF-16.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "tests/wine/window_host/host_protocol.h"
#include "tests/wine/winsys/test_support.h"
#include "winsys/win32/win32_window_system.h"

namespace vexlumen::testing {
namespace {

using namespace std::chrono_literals;

// Puts a format of our own on the clipboard, to see whether the next write replaces everything.
UINT PutStaleFormat() {
  const UINT format = RegisterClipboardFormatA("VexlumenStaleFormat");
  if (!OpenClipboard(nullptr)) return 0;
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
  if (SetClipboardData(format, block) == nullptr) GlobalFree(block);
  CloseClipboard();
  return format;
}

TEST(PutTextOnClipboard, GivesTheBytesAsTextAndTheSameCharactersAsUnicodeText) {
  ASSERT_EQ(GetACP(), 936u) << "the tests expect the Chinese ANSI code page";
  win32::Win32WindowSystem ws;
  const struct {
    const char* what;
    Text text;
    std::wstring characters;
  } cases[] = {
      {"ASCII", "Copied: 42", L"Copied: 42"},
      {"GBK", host::kEditTextGbk, host::kEditTextUtf16},
      {"empty", "", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const UINT stale = PutStaleFormat();
    ASSERT_TRUE(IsClipboardFormatAvailable(stale));

    ws.PutTextOnClipboard(c.text);
    EXPECT_EQ(ReadClipboardText(), c.text);
    EXPECT_EQ(ReadClipboardUnicodeText(), c.characters);
    EXPECT_FALSE(IsClipboardFormatAvailable(stale)) << "the clipboard was not emptied first";
  }
}

TEST(PutTextOnClipboard, LeavesTheClipboardAloneAndDoesNotWaitWhileAnotherProcessHoldsIt) {
  win32::Win32WindowSystem ws;
  ws.PutTextOnClipboard("before");
  ASSERT_EQ(ReadClipboardText(), "before");

  const auto host = HostProcess::Start();
  ASSERT_TRUE(host) << "window_host.exe did not show its windows";
  ASSERT_EQ(host->Command(host::kHoldClipboard), 1);
  EXPECT_LT(TimeOf([&] { ws.PutTextOnClipboard("after"); }), 1000ms);
  ASSERT_EQ(host->Command(host::kReleaseClipboard), 1);

  EXPECT_EQ(ReadClipboardText(), "before");
  EXPECT_EQ(ReadClipboardUnicodeText(), L"before");
}

}  // namespace
}  // namespace vexlumen::testing
