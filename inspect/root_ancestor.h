#pragma once

#include <vector>

#include "winsys/window_system.h"

namespace vexlumen {

// Walks the parent-or-owner chain of a window up to its outermost window.
class RootAncestorFinder {
 public:
  explicit RootAncestorFinder(WindowSystem& ws) : ws_(ws) {}

  // The last window of the chain above `target`; none when it has no parent or owner.
  WindowHandle FindRootAncestorOf(WindowHandle target);

  const std::vector<WindowHandle>& ancestorHandles() const { return ancestorHandles_; }

 private:
  WindowSystem& ws_;
  std::vector<WindowHandle> ancestorHandles_;
};

}  // namespace vexlumen
