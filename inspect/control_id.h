#pragma once

#include <vector>

#include "winsys/window_system.h"

namespace vexlumen {

// The identifier that control statements name a control by: its class name followed by its
// 1-based ordinal among the root's descendants of that class, in the system's enumeration order.
class ControlIdComputer {
 public:
  explicit ControlIdComputer(WindowSystem& ws) : ws_(ws) {}

  // `targetClass` is the class name of `target` as read this tick. Empty when the target is not
  // among the root's descendants, or there is no root or target.
  Text ComputeControlIdFor(WindowHandle root, WindowHandle target, const Text& targetClass);

  const std::vector<WindowHandle>& childHandles() const { return childHandles_; }
  const std::vector<Text>& childClassNames() const { return childClassNames_; }
  const std::vector<Text>& matchedClassNames() const { return matchedClassNames_; }
  const std::vector<WindowHandle>& matchedHandles() const { return matchedHandles_; }

 private:
  WindowSystem& ws_;
  std::vector<WindowHandle> childHandles_;
  std::vector<Text> childClassNames_;
  std::vector<Text> matchedClassNames_;
  std::vector<WindowHandle> matchedHandles_;
};

}  // namespace vexlumen
