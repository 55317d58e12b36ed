// Another application for the end-to-end drag tests to point the finder at. It lays out, at fixed
// places clear of the tool's starting rectangle (left 272, top 188, 480 x 391 on 1024 x 768),
// every situation the inspection must get right, and prints for each a screen point and the four
// values the tool must show there, worked out by walking its own windows:
//
//   acp=<code page>
//   case name=<name> x=<x> y=<y> title=<hex> class=<hex> text=<hex> id=<hex>
//   ...
//   ready
//
// Texts travel as hex of their ANSI bytes (GBK). Later, the hang thread reports "hang begin" and
// "hang end". Run as "target hang <ms>" it makes a running instance's hang thread sleep that long
// and returns once the sleep has begun; "target quit" closes a running instance.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>
#include "tests/wine/support/hex_text.h"

namespace {

using vexlumen::testing::Hex;

const char kMainClass[] = "VexlumenTargetMain";
const char kPopupClass[] = "VexlumenTargetPopup";
const char kHangClass[] = "VexlumenTargetHangWindow";
const char kHangMessageName[] = "VexlumenTargetHang";
const char kMainTitle[] = "目标甲 - 主窗口";

constexpr UINT_PTR kLiveTimer = 1;
// Well under the tool's 500 ms tick, so that two ticks in a row never read the same text.
constexpr UINT kLivePeriodMs = 100;
// What a class name can be read back as: GetClassNameA's 259-byte buffer less the terminator.
constexpr int kClassNameBufferSize = 259;

HINSTANCE g_instance = nullptr;
UINT g_hangMessage = 0;
HWND g_liveEdit = nullptr;
int g_liveCount = 0;

void PrintLine(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// 130 double-byte characters, 260 bytes in GBK: longer than a class name can be read back. The
// two names differ only in their last character, so once cut they are one and the same class.
std::string LongClassName(const char* last) {
  std::string name;
  for (int i = 0; i < 129; ++i) name += "类";
  return name + last;
}

const std::string& LongClassA() {
  static const std::string name = LongClassName("甲");
  return name;
}

const std::string& LongClassB() {
  static const std::string name = LongClassName("乙");
  return name;
}

std::string WindowText(HWND w) {
  const int length = GetWindowTextLengthA(w);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(w, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string ClassName(HWND w) {
  char buffer[kClassNameBufferSize] = {};
  if (GetClassNameA(w, buffer, kClassNameBufferSize) <= 0) return {};
  return std::string(buffer, strnlen(buffer, kClassNameBufferSize - 1));
}

struct Expected {
  std::string title, className, text, id;
};

struct OrdinalSearch {
  HWND target;
  std::string className;
  int seen = 0;
  int ordinal = 0;
};

BOOL CALLBACK CountSameClass(HWND w, LPARAM param) {
  auto* search = reinterpret_cast<OrdinalSearch*>(param);
  if (ClassName(w) != search->className) return TRUE;
  ++search->seen;
  if (w != search->target) return TRUE;
  search->ordinal = search->seen;
  return FALSE;
}

// What the tool must show with the pointer on `target`: the outermost window of its parent or
// owner chain gives the title; its class, its text, and its class plus ordinal among that
// outermost window's descendants of the same class. A window with no parent or owner shows only
// its own text, as the title.
Expected ExpectedFor(HWND target) {
  HWND root = nullptr;
  for (HWND h = GetParent(target); h != nullptr; h = GetParent(h)) root = h;
  if (root == nullptr) return {WindowText(target), {}, {}, {}};
  Expected e{WindowText(root), ClassName(target), WindowText(target), {}};
  OrdinalSearch search{target, e.className};
  EnumChildWindows(root, CountSameClass, reinterpret_cast<LPARAM>(&search));
  if (search.ordinal > 0) e.id = e.className + std::to_string(search.ordinal);
  return e;
}

void PrintCase(const char* name, POINT p, HWND target) {
  const Expected e = ExpectedFor(target);
  char head[128];
  std::snprintf(head, sizeof head, "case name=%s x=%ld y=%ld", name, static_cast<long>(p.x),
                static_cast<long>(p.y));
  PrintLine(std::string(head) + " title=" + Hex(e.title) + " class=" + Hex(e.className) +
            " text=" + Hex(e.text) + " id=" + Hex(e.id));
}

RECT ScreenRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

POINT Centre(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The centre of the area where all the given windows overlap.
POINT CentreOfOverlap(std::initializer_list<HWND> windows) {
  RECT overlap = ScreenRect(*windows.begin());
  for (HWND w : windows) {
    const RECT r = ScreenRect(w);
    IntersectRect(&overlap, &overlap, &r);
  }
  return Centre(overlap);
}

POINT OnCaption(HWND w) {
  const RECT outer = ScreenRect(w);
  POINT client{0, 0};
  ClientToScreen(w, &client);
  return POINT{(outer.left + outer.right) / 2, (outer.top + client.y) / 2};
}

// A point of the client area far from any control: the layouts leave the bottom-right corner
// bare.
POINT OnBareClient(HWND w) {
  RECT client{};
  GetClientRect(w, &client);
  POINT p{client.right - 20, client.bottom - 10};
  ClientToScreen(w, &p);
  return p;
}

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
           int width, int height) {
  return CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, parent, nullptr,
                         g_instance, nullptr);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kLiveTimer && g_liveEdit != nullptr) {
        const std::string text = "计数：" + std::to_string(++g_liveCount);
        SetWindowTextA(g_liveEdit, text.c_str());
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK HangProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_hangMessage && g_hangMessage != 0) {
    // Let the requester go before sleeping: it returns once the hang has begun. Sleeping here
    // pumps nothing, sent messages included, as a hung application does.
    PrintLine("hang begin ms=" + std::to_string(wParam));
    ReplyMessage(1);
    Sleep(static_cast<DWORD>(wParam));
    PrintLine("hang end");
    return 1;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool Register(const char* name, WNDPROC proc, int colour) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = g_instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(colour + 1));
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0;
}

struct HangWindows {
  HANDLE ready = nullptr;
  HWND window = nullptr;
  HWND edit = nullptr;
};

// A top-level window on a thread of its own, so that this thread can hang while the rest of
// the program stays healthy.
DWORD WINAPI HangThread(LPVOID param) {
  auto* hang = static_cast<HangWindows*>(param);
  hang->window =
      CreateWindowExA(0, kHangClass, "丁窗口（会挂起）", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 196,
                      250, 180, nullptr, nullptr, g_instance, nullptr);
  hang->edit =
      Child(hang->window, "EDIT", "挂起线程的编辑框", WS_VISIBLE | WS_BORDER, 10, 10, 200, 24);
  SetEvent(hang->ready);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

int RequestHang(const char* milliseconds) {
  HWND w = FindWindowA(kHangClass, nullptr);
  if (w == nullptr) {
    PrintLine("absent");
    return 1;
  }
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(w, g_hangMessage, std::strtoul(milliseconds, nullptr, 10), 0,
                           SMTO_NORMAL, 5000, &result)) {
    PrintLine("no answer");
    return 1;
  }
  PrintLine("hanging");
  return 0;
}

int RequestQuit() {
  HWND w = FindWindowA(kMainClass, nullptr);
  if (w == nullptr) return 1;
  PostMessageA(w, WM_CLOSE, 0, 0);
  return 0;
}

int Run() {
  const int face = COLOR_BTNFACE;
  if (!Register(kMainClass, MainProc, face) || !Register(kPopupClass, DefWindowProcA, face) ||
      !Register(kHangClass, HangProc, face) ||
      !Register(LongClassA().c_str(), DefWindowProcA, COLOR_INFOBK) ||
      !Register(LongClassB().c_str(), DefWindowProcA, COLOR_WINDOW)) {
    PrintLine("error RegisterClassA failed");
    return 1;
  }
  const char* longA = LongClassA().c_str();
  const char* longB = LongClassB().c_str();
  constexpr DWORD kShown = WS_VISIBLE;
  constexpr DWORD kBordered = WS_VISIBLE | WS_BORDER;

  // Along the top of the screen, above the tool. Child windows go below their earlier siblings
  // in Z-order, so each enclosing panel or group box lies above the controls created after it.
  HWND main = CreateWindowExA(0, kMainClass, kMainTitle, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                              10, 8, 1004, 172, nullptr, nullptr, g_instance, nullptr);
  HWND direct = Child(main, "BUTTON", "直属按钮", kShown, 10, 10, 110, 30);
  HWND noText = Child(main, "EDIT", "", kBordered, 10, 50, 110, 24);
  g_liveEdit = Child(main, "EDIT", "计数：0", kBordered, 10, 90, 110, 24);
  // A group box answers HTTRANSPARENT to hit tests, but only a window of the asking thread is
  // asked; to the tool, in another process, this box is the window at the point, and only the
  // walk through the siblings below it finds the control inside.
  Child(main, "BUTTON", "分组框", kShown | BS_GROUPBOX, 140, 0, 200, 130);
  HWND groupEdit = Child(main, "EDIT", "组内编辑框", kBordered, 150, 25, 180, 24);
  HWND groupButton = Child(main, "BUTTON", "组内按钮", kShown, 150, 70, 120, 30);
  HWND panel = Child(main, "STATIC", "面板", kBordered, 350, 0, 200, 130);
  HWND hiddenSmall = Child(main, "BUTTON", "隐藏按钮", 0, 360, 20, 40, 20);
  HWND shownEdit = Child(main, "EDIT", "可见编辑框", kBordered, 360, 10, 180, 50);
  HWND hiddenAlone = Child(main, "BUTTON", "隐藏按钮二", 0, 360, 90, 40, 20);
  HWND equalPanel = Child(main, "STATIC", "等面积面板", kBordered, 560, 0, 200, 130);
  HWND firstEqual = Child(main, "BUTTON", "甲按钮", kShown, 570, 20, 100, 50);
  HWND secondEqual = Child(main, "BUTTON", "乙按钮", kShown, 620, 50, 100, 50);

  // Down the right side: a pop-up owned by the main window, and one owned by that pop-up.
  constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  HWND popup = CreateWindowExA(0, kPopupClass, "乙弹出窗口", kPopup, 770, 196, 244, 180, main,
                               nullptr, g_instance, nullptr);
  HWND popupButton = Child(popup, "BUTTON", "弹出窗口按钮", kShown, 10, 10, 140, 30);
  HWND popup2 = CreateWindowExA(0, kPopupClass, "丙二级弹出窗口", kPopup, 770, 392, 244, 180, popup,
                                nullptr, g_instance, nullptr);

  // Along the bottom: same-class windows at three depths, some hidden, with class names too long
  // to be read back whole. Enumeration order: outer, hiddenInner, middle, deepest, (button),
  // (label), hiddenOuter, outer2, (button), (button).
  HWND deep =
      CreateWindowExA(0, kMainClass, "戊窗口：长类名", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 10,
                      588, 1004, 172, nullptr, nullptr, g_instance, nullptr);
  HWND outer = Child(deep, longA, "外层甲", kBordered, 10, 5, 300, 135);
  Child(outer, longB, "隐藏乙", WS_BORDER, 10, 5, 100, 30);
  HWND middle = Child(outer, longA, "中层甲", kBordered, 10, 40, 280, 85);
  HWND deepest = Child(middle, longB, "最深乙", kBordered, 10, 10, 150, 50);
  Child(outer, "BUTTON", "隐藏按钮", 0, 200, 5, 80, 30);
  Child(deep, "STATIC", "说明文字", kShown, 320, 5, 100, 24);
  Child(deep, longB, "隐藏乙二", WS_BORDER, 430, 5, 100, 40);
  HWND outer2 = Child(deep, longA, "外层甲二", kBordered, 540, 5, 300, 135);
  HWND deepButton = Child(outer2, "BUTTON", "深层按钮", kShown, 10, 80, 120, 30);
  Child(deep, "BUTTON", "按钮三", kShown, 850, 5, 100, 30);

  // At the left: the window whose thread can be made to hang.
  HangWindows hang;
  hang.ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, HangThread, &hang, 0, nullptr);
  if (thread == nullptr || WaitForSingleObject(hang.ready, 10000) != WAIT_OBJECT_0 ||
      hang.edit == nullptr) {
    PrintLine("error hang thread did not start");
    return 1;
  }
  CloseHandle(thread);

  for (HWND w : {main,        direct,      noText,      g_liveEdit,  groupEdit,  groupButton,
                 panel,       hiddenSmall, shownEdit,   hiddenAlone, equalPanel, firstEqual,
                 secondEqual, popup,       popupButton, popup2,      deep,       outer,
                 middle,      deepest,     outer2,      deepButton}) {
    if (w == nullptr) {
      PrintLine("error a window could not be created");
      return 1;
    }
  }
  SetTimer(main, kLiveTimer, kLivePeriodMs, nullptr);

  PrintLine("acp=" + std::to_string(GetACP()));
  PrintCase("direct", Centre(ScreenRect(direct)), direct);
  PrintCase("no_text", Centre(ScreenRect(noText)), noText);
  PrintCase("live", Centre(ScreenRect(g_liveEdit)), g_liveEdit);
  PrintCase("group_edit", Centre(ScreenRect(groupEdit)), groupEdit);
  PrintCase("group_button", Centre(ScreenRect(groupButton)), groupButton);
  // On the hidden button, inside the larger visible edit: the edit, never the hidden one.
  PrintCase("hidden_skipped", CentreOfOverlap({panel, hiddenSmall, shownEdit}), shownEdit);
  // On a hidden button with nothing else smaller visible there: the panel above it.
  PrintCase("hidden_only", CentreOfOverlap({panel, hiddenAlone}), panel);
  // Where the two equal buttons overlap: the one met first below the panel.
  PrintCase("equal_area", CentreOfOverlap({equalPanel, firstEqual, secondEqual}), firstEqual);
  PrintCase("main_caption", OnCaption(main), main);
  PrintCase("main_client", OnBareClient(main), main);
  PrintCase("popup_client", OnBareClient(popup), popup);
  PrintCase("popup_control", Centre(ScreenRect(popupButton)), popupButton);
  PrintCase("popup2_client", OnBareClient(popup2), popup2);
  PrintCase("long_depth3", Centre(ScreenRect(deepest)), deepest);
  PrintCase("long_depth1", OnBareClient(outer2), outer2);
  PrintCase("button_depth2", Centre(ScreenRect(deepButton)), deepButton);
  PrintCase("hang_edit", Centre(ScreenRect(hang.edit)), hang.edit);
  PrintLine("ready");

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  g_instance = GetModuleHandleA(nullptr);
  g_hangMessage = RegisterWindowMessageA(kHangMessageName);
  if (argc == 3 && std::strcmp(argv[1], "hang") == 0) return RequestHang(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "quit") == 0) return RequestQuit();
  return Run();
}
