#pragma once

#include <windows.h>

namespace vexlumen {

// A WM_TIMER timer of one window, stopped when its owner goes. Setting a period of 0 stops it,
// as the logic expects; setting another period restarts it with that period.
class WindowTimer {
 public:
  WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
  ~WindowTimer() { Stop(); }
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  WindowTimer(WindowTimer&& other) noexcept
      : window_(other.window_), id_(other.id_), running_(other.running_) {
    other.running_ = false;
  }
  WindowTimer& operator=(WindowTimer&&) = delete;

  void SetPeriod(unsigned periodMs) {
    if (periodMs == 0) {
      Stop();
      return;
    }
    running_ = SetTimer(window_, id_, periodMs, nullptr) != 0;
  }
  void Stop() {
    if (running_) KillTimer(window_, id_);
    running_ = false;
  }
  UINT_PTR id() const { return id_; }

 private:
  HWND window_;
  UINT_PTR id_;
  bool running_ = false;
};

}  // namespace vexlumen
