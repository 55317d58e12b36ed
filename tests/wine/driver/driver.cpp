// The tests' hands and eyes inside Wine: finds the running tool by its title and reads or
// drives its controls through the Windows API, printing what it finds one fact a line. Texts
// travel as hex so that GBK bytes reach the test scripts untouched.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/win32/control_ids.h"
#include "tests/wine/support/hex_text.h"

namespace {

using vexlumen::testing::Hex;
using vexlumen::testing::Unhex;

namespace ids = vexlumen::control_ids;

const char kTitle[] = "Vexlumen---Drovask";
constexpr UINT kSendTimeoutMs = 5000;

HWND FindTool() {
  return FindWindowA(nullptr, kTitle);
}

HWND FindControl(HWND tool, int id) {
  HWND control = GetDlgItem(tool, id);
  if (control == nullptr) control = GetDlgItem(GetDlgItem(tool, ids::kScriptGroup), id);
  return control;
}

std::string ReadText(HWND w) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(w, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) {
    return {};
  }
  std::vector<char> buffer(length + 1, 0);
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  return std::string(buffer.data());
}

int BoxId(const std::string& name) {
  if (name == "title") return ids::kTitleBox;
  if (name == "class") return ids::kClassBox;
  if (name == "text") return ids::kControlTextBox;
  if (name == "id") return ids::kControlIdBox;
  if (name == "output") return ids::kOutputBox;
  return 0;
}

int ButtonId(const std::string& name) {
  if (name == "wait") return ids::kWaitButton;
  if (name == "activate") return ids::kActivateButton;
  if (name == "click") return ids::kClickButton;
  if (name == "doubleclick") return ids::kDoubleClickButton;
  if (name == "command") return ids::kCommandButton;
  return 0;
}

void PrintControl(HWND tool, HWND control) {
  HWND parent = GetParent(control);
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  char className[260] = {};
  GetClassNameA(control, className, sizeof className);
  std::printf(
      "control id=%d parent=%s class=%s x=%ld y=%ld w=%ld h=%ld visible=%d style=%lx text=%s\n",
      GetDlgCtrlID(control), parent == tool ? "main" : "group", className, r.left, r.top,
      r.right - r.left, r.bottom - r.top, IsWindowVisible(control) ? 1 : 0,
      static_cast<unsigned long>(GetWindowLongA(control, GWL_STYLE)),
      Hex(ReadText(control)).c_str());
}

BOOL CALLBACK PrintEach(HWND control, LPARAM tool) {
  PrintControl(reinterpret_cast<HWND>(tool), control);
  return TRUE;
}

// The four boxes the inspection fills, read one after the other.
std::string BoxesLine(HWND tool) {
  return "title=" + Hex(ReadText(FindControl(tool, ids::kTitleBox))) +
         " class=" + Hex(ReadText(FindControl(tool, ids::kClassBox))) +
         " text=" + Hex(ReadText(FindControl(tool, ids::kControlTextBox))) +
         " id=" + Hex(ReadText(FindControl(tool, ids::kControlIdBox)));
}

// Polls the boxes and the window's position for `milliseconds` and prints every change with its
// time since "watch start", so that a test can see values that last a single tick and measure
// how soon the boxes follow the pointer.
int Watch(HWND tool, DWORD milliseconds) {
  std::printf("watch start\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  std::string last;
  for (DWORD now = start; now - start < milliseconds; now = GetTickCount()) {
    RECT r{};
    GetWindowRect(tool, &r);
    char position[64];
    std::snprintf(position, sizeof position, "left=%ld top=%ld ", r.left, r.top);
    const std::string line = position + BoxesLine(tool);
    if (line != last) {
      std::printf("boxes t=%lu %s\n", static_cast<unsigned long>(now - start), line.c_str());
      std::fflush(stdout);
      last = line;
    }
    Sleep(5);
  }
  std::printf("watch end\n");
  return 0;
}

int Info(HWND tool) {
  RECT r{};
  GetWindowRect(tool, &r);
  POINT origin{0, 0};
  ClientToScreen(tool, &origin);
  const LONG exStyle = GetWindowLongA(tool, GWL_EXSTYLE);
  std::printf(
      "window left=%ld top=%ld width=%ld height=%ld client_x=%ld client_y=%ld "
      "topmost=%d style=%lx exstyle=%lx screen_w=%d screen_h=%d\n",
      r.left, r.top, r.right - r.left, r.bottom - r.top, origin.x, origin.y,
      (exStyle & WS_EX_TOPMOST) ? 1 : 0,
      static_cast<unsigned long>(GetWindowLongA(tool, GWL_STYLE)),
      static_cast<unsigned long>(exStyle), GetSystemMetrics(SM_CXSCREEN),
      GetSystemMetrics(SM_CYSCREEN));
  EnumChildWindows(tool, PrintEach, reinterpret_cast<LPARAM>(tool));
  HWND picture = FindControl(tool, ids::kFinderPicture);
  DWORD_PTR image = 0;
  SendMessageTimeoutA(picture, STM_GETIMAGE, IMAGE_CURSOR, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                      &image);
  std::printf("finder image=%d\n", image != 0 ? 1 : 0);
  // Whether the tool's thread holds the mouse capture, as a drag does.
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(tool, nullptr), &thread);
  std::printf("capture tool=%d\n", thread.hwndCapture == tool ? 1 : 0);
  return 0;
}

// Wine's X11 bridge holds the clipboard for a moment after each change: wait for it, and say
// so rather than report an empty clipboard when it stays busy.
bool OpenClipboardPatiently() {
  for (int attempt = 0; attempt < 250; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(20);
  }
  return false;
}

int Clipboard() {
  if (!OpenClipboardPatiently()) {
    std::printf("busy\n");
    return 3;
  }
  std::string text;
  std::string unicode;
  bool hasText = false;
  bool hasUnicode = false;
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    hasText = true;
    text = static_cast<const char*>(GlobalLock(h));
    GlobalUnlock(h);
  }
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    hasUnicode = true;
    const wchar_t* w = static_cast<const wchar_t*>(GlobalLock(h));
    unicode.assign(reinterpret_cast<const char*>(w), wcslen(w) * sizeof(wchar_t));
    GlobalUnlock(h);
  }
  CloseClipboard();
  std::printf("text=%s\n", hasText ? Hex(text).c_str() : "none");
  std::printf("unicode=%s\n", hasUnicode ? Hex(unicode).c_str() : "none");
  return 0;
}

int SetClipboard(const std::string& text) {
  if (!OpenClipboardPatiently()) return 3;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(
        stderr, "usage: driver wait|info|get|boxes|watch|move|set|click|copy|ping|clipboard ...\n");
    return 2;
  }
  const std::string command = argv[1];
  if (command == "clipboard") return Clipboard();
  if (command == "setclipboard" && argc == 3) return SetClipboard(Unhex(argv[2]));

  HWND tool = FindTool();
  if (command == "wait") {
    const DWORD deadline = GetTickCount() + (argc > 2 ? std::atoi(argv[2]) : 20000);
    while (tool == nullptr && GetTickCount() < deadline) {
      Sleep(100);
      tool = FindTool();
    }
    std::printf("%s\n", tool != nullptr ? "found" : "absent");
    return tool != nullptr ? 0 : 1;
  }
  if (tool == nullptr) {
    std::printf("absent\n");
    return 1;
  }
  if (command == "info") return Info(tool);
  if (command == "ping") {
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutA(tool, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
    std::printf("ping %s ms=%lu\n", answered ? "ok" : "timeout",
                static_cast<unsigned long>(GetTickCount() - start));
    return answered ? 0 : 1;
  }
  if (command == "boxes") {
    std::printf("boxes %s\n", BoxesLine(tool).c_str());
    return 0;
  }
  if (command == "watch" && argc == 3) return Watch(tool, std::strtoul(argv[2], nullptr, 10));
  if (command == "move" && argc == 4) {
    // Puts the window back where a test needs it after the dodge has moved it.
    return SetWindowPos(tool, nullptr, std::atoi(argv[2]), std::atoi(argv[3]), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  }
  if (command == "get" && argc == 3) {
    std::printf("%s\n", Hex(ReadText(FindControl(tool, BoxId(argv[2])))).c_str());
    return 0;
  }
  if (command == "set" && argc >= 3) {
    const std::string text = argc > 3 ? Unhex(argv[3]) : std::string();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(FindControl(tool, BoxId(argv[2])), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &result);
    return 0;
  }
  if (command == "click" && argc == 3) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(FindControl(tool, ButtonId(argv[2])), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &result);
    return 0;
  }
  if (command == "copy" && argc == 3) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(FindControl(tool, ids::kCopyCheckBox), BM_SETCHECK,
                        std::atoi(argv[2]) != 0 ? BST_CHECKED : BST_UNCHECKED, 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &result);
    return 0;
  }
  std::fprintf(stderr, "unknown command\n");
  return 2;
}
