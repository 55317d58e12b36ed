// A cursor we created (copied or loaded), destroyed unless it was handed to the system.
#pragma once

#include <windows.h>

#include <utility>

namespace vexlumen::win32 {

class OwnedCursor {
 public:
  explicit OwnedCursor(HCURSOR cursor) : cursor_(cursor) {}
  ~OwnedCursor() {
    if (cursor_ != nullptr) DestroyCursor(cursor_);
  }

  OwnedCursor(const OwnedCursor&) = delete;
  OwnedCursor& operator=(const OwnedCursor&) = delete;
  OwnedCursor(OwnedCursor&& other) noexcept : cursor_(std::exchange(other.cursor_, nullptr)) {}
  OwnedCursor& operator=(OwnedCursor&& other) noexcept {
    if (this != &other) {
      if (cursor_ != nullptr) DestroyCursor(cursor_);
      cursor_ = std::exchange(other.cursor_, nullptr);
    }
    return *this;
  }

  HCURSOR Get() const { return cursor_; }
  // Gives up ownership, after the system took the cursor over or to hand it to our caller.
  HCURSOR Release() { return std::exchange(cursor_, nullptr); }

 private:
  HCURSOR cursor_;
};

}  // namespace vexlumen::win32
