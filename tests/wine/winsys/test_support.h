// Real windows, another process and clipboard readers for the window system's tests.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "winsys/core_types.h"

namespace vexlumen::testing {

// Our handle for a real window, the way the window system gives it out.
WindowHandle Handle(HWND hwnd);

// A window class of this test program, unregistered when the object goes.
class ScopedClass {
 public:
  explicit ScopedClass(const std::string& name, WNDPROC proc = DefWindowProcA);
  ~ScopedClass();
  ScopedClass(const ScopedClass&) = delete;
  ScopedClass& operator=(const ScopedClass&) = delete;

  bool IsRegistered() const { return registered_; }
  const char* Name() const { return name_.c_str(); }

 private:
  std::string name_;
  bool registered_;
};

// A window of this thread, destroyed when the object goes.
class ScopedWindow {
 public:
  ScopedWindow(const char* className, DWORD style, HWND parentOrOwner, RECT r,
               const char* text = "");
  ~ScopedWindow();
  ScopedWindow(const ScopedWindow&) = delete;
  ScopedWindow& operator=(const ScopedWindow&) = delete;

  HWND Get() const { return hwnd_; }
  WindowHandle Handle() const { return testing::Handle(hwnd_); }

 private:
  HWND hwnd_;
};

// The name every test window of this program is made with (DefWindowProcA behind it).
const char* PlainClassName();

// window_host.exe showing its windows; closed (or killed) when the object goes.
class HostProcess {
 public:
  // Empty when the host could not be started or its windows did not appear in time.
  static std::optional<HostProcess> Start();
  HostProcess(HostProcess&& other) noexcept;
  HostProcess& operator=(HostProcess&&) = delete;
  HostProcess(const HostProcess&) = delete;
  HostProcess& operator=(const HostProcess&) = delete;
  ~HostProcess();

  HWND TopWindow() const { return top_; }
  HWND Edit() const { return edit_; }
  // Sends a command and waits for the answer (which kHang gives before it sleeps).
  LRESULT Command(UINT message, WPARAM wParam = 0) const;

 private:
  HostProcess(PROCESS_INFORMATION process, HWND top, HWND edit);

  PROCESS_INFORMATION process_;
  HWND top_;
  HWND edit_;
};

// Runs window_host.exe (or a copy of it) with the arguments and waits for it to exit; the exit
// code, or nothing when it could not run or did not finish in time.
std::optional<DWORD> RunHostToEnd(const std::wstring& exePath, const std::wstring& arguments);

// The directory of this test program, in wide characters, no trailing backslash.
std::wstring TestProgramDirectory();

// What the clipboard holds in CF_TEXT / CF_UNICODETEXT, or nothing when the format is absent
// or the clipboard cannot be opened.
std::optional<std::string> ReadClipboardText();
std::optional<std::wstring> ReadClipboardUnicodeText();

std::string ToAnsi(const std::wstring& wide);

// How long `f` takes to run.
template <typename F>
std::chrono::milliseconds TimeOf(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

}  // namespace vexlumen::testing
