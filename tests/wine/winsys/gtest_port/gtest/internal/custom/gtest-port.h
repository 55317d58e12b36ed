// GoogleTest's hook for platform replacements, used where MinGW's C++ library is built with
// Win32 threads: that library has no std::mutex or std::condition_variable, which GoogleTest's
// own Notification is made of. Notification only paces threads in GoogleTest's tests of itself;
// ours are single-threaded, so a flag that is waited on by spinning serves.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

#include <atomic>

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing
