// The clipboard held open for the lifetime of the object, closed on every way out.
#pragma once

#include <windows.h>

#include <utility>

namespace vexlumen::win32 {

class ClipboardSession {
 public:
  // Opens without an owner window: we only put data there, we never render it on request.
  // Fails, without waiting, when another window holds the clipboard open.
  ClipboardSession() : open_(OpenClipboard(nullptr) != FALSE) {}
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
  bool open_;
};

}  // namespace vexlumen::win32
