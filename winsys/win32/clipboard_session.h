// The clipboard held open for the lifetime of the object, closed on every way out.
#pragma once

#include <windows.h>

#include <utility>

namespace vexlumen::win32 {

class ClipboardSession {
 public:
  // Opens without an owner window: we only put data there, we never render it on request.
  // Clipboard viewers and bridges (Wine's own X11 one among them) hold the clipboard open for a
  // moment after every change, and a click should not lose its copy to that; so a few short
  // tries, and then a failure that costs the user at most a tenth of a second.
  ClipboardSession() : open_(OpenWithRetries()) {}
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }

  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ClipboardSession(ClipboardSession&& other) noexcept : open_(std::exchange(other.open_, false)) {}
  ClipboardSession& operator=(ClipboardSession&& other) noexcept {
    if (this != &other) {
      if (open_) CloseClipboard();
      open_ = std::exchange(other.open_, false);
    }
    return *this;
  }

  bool IsOpen() const { return open_; }

 private:
  static bool OpenWithRetries() {
    constexpr int kAttempts = 10;
    constexpr DWORD kPauseMs = 10;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
      if (OpenClipboard(nullptr)) return true;
      if (attempt < kAttempts) Sleep(kPauseMs);
    }
    return false;
  }

  bool open_;
};

}  // namespace vexlumen::win32
