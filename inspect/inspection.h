#pragma once

#include "app/main_window.h"
#include "inspect/control_id.h"
#include "inspect/root_ancestor.h"
#include "winsys/window_system.h"

namespace vexlumen {

// Identifies the window under the pointer and fills the four shown values. Owns the working
// lists, which live as long as the program and are emptied at the start of each computation.
class Inspection {
 public:
  explicit Inspection(WindowSystem& ws) : ws_(ws), roots_(ws), ids_(ws) {}

  WindowHandle FindTargetWindow();
  WindowHandle FindRootAncestor();
  Text ComputeControlId();

  // One tick: the target, its root and its class are worked out once, so that the values shown
  // belong to one and the same window even while the user moves.
  void RefreshInspection(MainWindow& window);

  const RootAncestorFinder& roots() const { return roots_; }
  const ControlIdComputer& ids() const { return ids_; }

 private:
  WindowSystem& ws_;
  RootAncestorFinder roots_;
  ControlIdComputer ids_;
};

}  // namespace vexlumen
