#include "tests/wine/winsys/test_support.h"

#include <cstring>
#include <utility>
#include <vector>

#include "tests/wine/window_host/host_protocol.h"
#include "winsys/win32/handle_conversion.h"

namespace vexlumen::testing {
namespace {

constexpr DWORD kHostStartTimeoutMs = 15000;

}  // namespace

WindowHandle Handle(HWND hwnd) {
  return win32::ToWindowHandle(hwnd);
}

ScopedClass::ScopedClass(const std::string& name, WNDPROC proc) : name_(name) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name_.c_str();
  registered_ = RegisterClassA(&wc) != 0;
}

ScopedClass::~ScopedClass() {
  if (registered_) UnregisterClassA(name_.c_str(), GetModuleHandleA(nullptr));
}

const char* PlainClassName() {
  static const ScopedClass plain("VexlumenTestPlain");
  return plain.Name();
}

ScopedWindow::ScopedWindow(const char* className, DWORD style, HWND parentOrOwner, RECT r,
                           const char* text)
    : hwnd_(CreateWindowExA(0, className, text, style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, parentOrOwner, nullptr, GetModuleHandleA(nullptr),
                            nullptr)) {}

ScopedWindow::~ScopedWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

std::wstring TestProgramDirectory() {
  std::vector<wchar_t> path(32768);
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring dir(path.data(), n);
  return dir.substr(0, dir.rfind(L'\\'));
}

std::optional<HostProcess> HostProcess::Start() {
  static int started = 0;
  const std::string title =
      "Vexlumen host " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++started);
  std::string commandLine = "window_host.exe windows \"" + title + "\"";
  const std::string exe = ToAnsi(TestProgramDirectory() + L"\\window_host.exe");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    return std::nullopt;
  }
  HWND top = nullptr;
  HWND edit = nullptr;
  for (DWORD waited = 0; waited < kHostStartTimeoutMs; waited += 20) {
    top = FindWindowA(host::kHostClass, title.c_str());
    if (top != nullptr) edit = FindWindowExA(top, nullptr, "Edit", nullptr);
    if (edit != nullptr) break;
    if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0) break;
  }
  HostProcess result(pi, top, edit);
  if (edit == nullptr) return std::nullopt;
  return std::optional<HostProcess>(std::move(result));
}

HostProcess::HostProcess(PROCESS_INFORMATION process, HWND top, HWND edit)
    : process_(process), top_(top), edit_(edit) {}

HostProcess::HostProcess(HostProcess&& other) noexcept
    : process_(std::exchange(other.process_, PROCESS_INFORMATION{})),
      top_(std::exchange(other.top_, nullptr)),
      edit_(std::exchange(other.edit_, nullptr)) {}

HostProcess::~HostProcess() {
  if (process_.hProcess == nullptr) return;
  if (top_ != nullptr) PostMessageA(top_, WM_CLOSE, 0, 0);
  // A host still sleeping in a hang would take its time: no test waits for that.
  if (WaitForSingleObject(process_.hProcess, 500) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 2000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

LRESULT HostProcess::Command(UINT message, WPARAM wParam) const {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(top_, message, wParam, 0, SMTO_NORMAL, 5000, &answer)) return 0;
  return static_cast<LRESULT>(answer);
}

std::optional<DWORD> RunHostToEnd(const std::wstring& exePath, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exePath + L"\" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &pi)) {
    return std::nullopt;
  }
  std::optional<DWORD> exitCode;
  if (WaitForSingleObject(pi.hProcess, kHostStartTimeoutMs) == WAIT_OBJECT_0) {
    DWORD code = 0;
    if (GetExitCodeProcess(pi.hProcess, &code)) exitCode = code;
  } else {
    TerminateProcess(pi.hProcess, 1);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return exitCode;
}

namespace {

// Copies a clipboard format's bytes, bounded by the block's size.
std::optional<std::vector<char>> ReadClipboardBytes(UINT format) {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::vector<char>> bytes;
  if (const HANDLE data = GetClipboardData(format)) {
    if (const auto* p = static_cast<const char*>(GlobalLock(data))) {
      bytes.emplace(p, p + GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return bytes;
}

}  // namespace

std::optional<std::string> ReadClipboardText() {
  const auto bytes = ReadClipboardBytes(CF_TEXT);
  if (!bytes) return std::nullopt;
  std::string text(bytes->begin(), bytes->end());
  return text.substr(0, text.find('\0'));
}

std::optional<std::wstring> ReadClipboardUnicodeText() {
  const auto bytes = ReadClipboardBytes(CF_UNICODETEXT);
  if (!bytes) return std::nullopt;
  std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

std::string ToAnsi(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                      nullptr, nullptr);
  return ansi;
}

}  // namespace vexlumen::testing
