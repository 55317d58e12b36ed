#include "winsys/win32/win32_window_system.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "winsys/win32/clipboard_session.h"
#include "winsys/win32/global_memory_block.h"
#include "winsys/win32/handle_conversion.h"
#include "winsys/win32/owned_cursor.h"

namespace vexlumen::win32 {
namespace {

// How long another application may take to answer one question about its window's text. The
// tool asks twice a second, so a slow or hung target must cost it a short, fixed delay.
constexpr UINT kAnswerTimeoutMs = 150;
// No control holds a text this long; a larger answer is nonsense and must not size our buffer.
constexpr LONG_PTR kMaxTextLength = 1 << 20;
// GetClassNameA's buffer: 258 bytes of name and the terminator.
constexpr int kClassNameBufferSize = 259;
// The system's normal arrow, OCR_NORMAL in <winuser.h> (visible there only with OEMRESOURCE).
constexpr DWORD kNormalArrowId = 32512;
// GetModuleFileNameA never reports more than the longest path the system accepts, in bytes.
constexpr DWORD kMaxModulePathBytes = 2 * 32768;

struct EnumerationState {
  const WindowSystem::DescendantVisitor* visit;
  std::exception_ptr failure;
};

BOOL CALLBACK VisitDescendant(HWND hwnd, LPARAM param) {
  auto* state = reinterpret_cast<EnumerationState*>(param);
  // An exception must not unwind through user32's frames: stop, and rethrow once out.
  try {
    return (*state->visit)(ToWindowHandle(hwnd)) ? TRUE : FALSE;
  } catch (...) {
    state->failure = std::current_exception();
    return FALSE;
  }
}

}  // namespace

Point Win32WindowSystem::GetPointerPosition() {
  POINT p{};
  if (!GetCursorPos(&p)) return {};
  return Point{p.x, p.y};
}

WindowHandle Win32WindowSystem::FindWindowAtPoint(Point p) {
  return ToWindowHandle(WindowFromPoint(POINT{p.x, p.y}));
}

WindowHandle Win32WindowSystem::FindParent(WindowHandle w) {
  // GetParent, not GetAncestor: an owned pop-up reports its owner, an owned overlapped window
  // reports nothing, and the logic's walk to the outermost window relies on exactly that.
  return ToWindowHandle(GetParent(ToHwnd(w)));
}

WindowHandle Win32WindowSystem::FindNextSibling(WindowHandle w) {
  return ToWindowHandle(GetWindow(ToHwnd(w), GW_HWNDNEXT));
}

Rect Win32WindowSystem::ReadOuterRect(WindowHandle w) {
  RECT r{};
  if (!GetWindowRect(ToHwnd(w), &r)) return {};
  return Rect{r.left, r.top, r.right, r.bottom};
}

bool Win32WindowSystem::IsVisible(WindowHandle w) {
  return IsWindowVisible(ToHwnd(w)) != FALSE;
}

Text Win32WindowSystem::ReadClassName(WindowHandle w) {
  char buffer[kClassNameBufferSize] = {};
  const int copied = GetClassNameA(ToHwnd(w), buffer, kClassNameBufferSize);
  if (copied <= 0) return {};
  return Text(buffer, strnlen(buffer, kClassNameBufferSize - 1));
}

Text Win32WindowSystem::ReadWindowText(WindowHandle w) {
  const HWND hwnd = ToHwnd(w);
  if (w.IsNone() || !IsWindow(hwnd)) return {};

  // The text is asked for by message so that edits of other processes give their contents; a
  // plain send would wait for as long as the other application does not answer, and freeze the
  // tool with it. Both questions are bounded and also give up at once on a window the system
  // already knows as hung. SMTO_NORMAL (no SMTO_BLOCK) keeps our own thread answering messages
  // sent to it meanwhile.
  //
  // The length is asked with the wide call: Wine's SendMessageTimeoutA with WM_GETTEXTLENGTH to
  // a hung window of another process ignores the timeout and waits as long as the hang lasts,
  // while the wide call, and the ANSI WM_GETTEXT, keep to it. In a double-byte code page a
  // UTF-16 unit becomes at most two bytes, so twice the wide length always holds the ANSI text.
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                           kAnswerTimeoutMs, &answer)) {
    return {};
  }
  const auto wideLength = static_cast<LONG_PTR>(answer);
  if (wideLength <= 0) return {};

  // Zero-filled: whatever the target writes or claims, the bytes are taken only up to the first
  // terminator inside the buffer, never past it.
  std::vector<char> buffer(2 * static_cast<std::size_t>(std::min(wideLength, kMaxTextLength)) + 1,
                           '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG | SMTO_NORMAL, kAnswerTimeoutMs, &copied)) {
    return {};
  }
  const auto end = std::find(buffer.begin(), buffer.end(), '\0');
  return Text(buffer.begin(), end);
}

void Win32WindowSystem::EnumerateDescendants(WindowHandle root, const DescendantVisitor& visit) {
  // EnumChildWindows with no window would walk the top-level windows instead.
  if (root.IsNone()) return;
  EnumerationState state{&visit, nullptr};
  EnumChildWindows(ToHwnd(root), VisitDescendant, reinterpret_cast<LPARAM>(&state));
  if (state.failure) std::rethrow_exception(state.failure);
}

Point Win32WindowSystem::ReadClientOrigin(WindowHandle w) {
  POINT p{0, 0};
  if (!ClientToScreen(ToHwnd(w), &p)) return {};
  return Point{p.x, p.y};
}

Size Win32WindowSystem::ReadScreenSize() {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32WindowSystem::CaptureMouse(WindowHandle w) {
  SetCapture(ToHwnd(w));
}

void Win32WindowSystem::ReleaseMouseCapture() {
  ReleaseCapture();
}

CursorHandle Win32WindowSystem::CopyCurrentCursor() {
  // The shown cursor belongs to whoever set it and may be destroyed under us; a copy is ours.
  const HCURSOR shown = GetCursor();
  if (shown == nullptr) return {};
  return ToCursorHandle(static_cast<HCURSOR>(CopyIcon(shown)));
}

CursorHandle Win32WindowSystem::LoadCursorFile(const Text& path) {
  return ToCursorHandle(LoadCursorFromFileA(path.c_str()));
}

void Win32WindowSystem::ReplaceNormalArrow(CursorHandle cursor) {
  if (cursor.IsNone()) return;
  // On success the system destroys the cursor itself once it has taken the image; on failure
  // nobody else will, so it goes here. Wine only pretends: its SetSystemCursor reports success
  // and changes nothing.
  OwnedCursor owned(ToHcursor(cursor));
  if (SetSystemCursor(owned.Get(), kNormalArrowId)) owned.Release();
}

void Win32WindowSystem::PutTextOnClipboard(const Text& text) {
  ClipboardSession clipboard;
  if (!clipboard.IsOpen()) return;
  EmptyClipboard();

  GlobalMemoryBlock ansi(text.size() + 1);
  if (!ansi.CopyIn(text.c_str(), text.size() + 1)) return;
  if (SetClipboardData(CF_TEXT, ansi.Get()) != nullptr) ansi.Release();

  // The same characters as UTF-16. Left alone, the system would derive this format from the
  // bytes above using the code page of the keyboard layout active at the time, and a Unicode
  // editor would then paste other characters than the tool shows.
  if (text.size() > static_cast<std::size_t>(INT_MAX - 1)) return;
  const int byteCount = static_cast<int>(text.size());
  const int wideCount =
      byteCount == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), byteCount, nullptr, 0);
  if (byteCount != 0 && wideCount <= 0) return;
  std::vector<wchar_t> wide(static_cast<std::size_t>(wideCount) + 1, L'\0');
  if (wideCount > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), byteCount, wide.data(), wideCount);
  GlobalMemoryBlock unicode(wide.size() * sizeof(wchar_t));
  if (!unicode.CopyIn(wide.data(), wide.size() * sizeof(wchar_t))) return;
  if (SetClipboardData(CF_UNICODETEXT, unicode.Get()) != nullptr) unicode.Release();
}

Text Win32WindowSystem::ReadExecutableDirectory() {
  // The path is converted to the ANSI code page into our buffer, and in a double-byte code page
  // a path of fewer than MAX_PATH characters can take more bytes than that. A result that fills
  // the buffer may be cut; so may one that leaves a single byte free, because a two-byte
  // character does not fit there and Wine then stops early and reports success. Only a result
  // with at least two bytes to spare is whole; otherwise ask again with a larger buffer.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length + 2 <= path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= kMaxModulePathBytes) return {};
    path.resize(path.size() * 2);
  }
  // Walk by characters: in a double-byte code page such as GBK the second byte of a character
  // may be 0x5C, the byte of a backslash, and cutting there would split the character.
  const char* lastSeparator = nullptr;
  for (const char* c = path.c_str(); *c != '\0'; c = CharNextA(c)) {
    if (*c == '\\') lastSeparator = c;
  }
  if (lastSeparator == nullptr) return {};
  return path.substr(0, static_cast<std::size_t>(lastSeparator - path.c_str()));
}

}  // namespace vexlumen::win32
