#include "inspect/control_id.h"

#include <string>

namespace vexlumen {

Text ControlIdComputer::ComputeControlIdFor(WindowHandle root, WindowHandle target,
                                            const Text& targetClass) {
  childHandles_.clear();
  childClassNames_.clear();
  matchedClassNames_.clear();
  matchedHandles_.clear();
  if (root.IsNone() || target.IsNone()) return {};

  // One pass that stops at the target: the ordinal depends only on the same-class descendants
  // reported before it, and a window with thousands of controls must not stall the tick.
  bool found = false;
  ws_.EnumerateDescendants(root, [&](WindowHandle h) {
    if (h.IsNone()) return false;
    childHandles_.push_back(h);
    childClassNames_.push_back(ws_.ReadClassName(h));
    const Text& className = childClassNames_.back();
    if (className != targetClass) return true;  // byte for byte, case-sensitive
    matchedClassNames_.push_back(className);
    matchedHandles_.push_back(h);
    found = (h == target);
    return !found;
  });
  if (!found) return {};
  return matchedClassNames_.back() + std::to_string(matchedHandles_.size());
}

}  // namespace vexlumen
