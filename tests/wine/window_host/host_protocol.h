// What the window system's tests and window_host.exe agree on. The host is another process that
// makes real windows on command:
//   window_host.exe windows <title>   a top-level window of kHostClass titled <title> with an
//                                     edit child holding kEditTextGbk; it lives until closed
//                                     or for kHostLifetimeMs at most
//   window_host.exe exe-dir <file>    writes what ReadExecutableDirectory gives it to <file>
#pragma once

#include <windows.h>

namespace vexlumen::testing::host {

inline constexpr char kHostClass[] = "VexlumenTestHost";

// The host answers at once (the sender goes on) and then its window thread sleeps for wParam
// milliseconds without pumping messages: its windows stop answering, as a hung program's do.
inline constexpr UINT kHang = WM_APP + 1;
// The host opens the clipboard and keeps it open; answers 1 when that worked.
inline constexpr UINT kHoldClipboard = WM_APP + 2;
inline constexpr UINT kReleaseClipboard = WM_APP + 3;

// A safety net: a host forgotten by a crashed test goes away by itself.
inline constexpr UINT kHostLifetimeMs = 60000;

// "中文窗口文本 abc", spelled out so that neither side depends on how literals are compiled.
inline constexpr char kEditTextGbk[] = "\xd6\xd0\xce\xc4\xb4\xb0\xbf\xda\xce\xc4\xb1\xbe abc";
inline constexpr wchar_t kEditTextUtf16[] = L"\u4e2d\u6587\u7a97\u53e3\u6587\u672c abc";

}  // namespace vexlumen::testing::host
