#include "inspect/inspection.h"

#include "inspect/target_window.h"

namespace vexlumen {

WindowHandle Inspection::FindTargetWindow() {
  return vexlumen::FindTargetWindow(ws_);
}

WindowHandle Inspection::FindRootAncestor() {
  return roots_.FindRootAncestorOf(FindTargetWindow());
}

Text Inspection::ComputeControlId() {
  const WindowHandle target = FindTargetWindow();
  const WindowHandle root = roots_.FindRootAncestorOf(target);
  if (root.IsNone()) return {};
  return ids_.ComputeControlIdFor(root, target, ws_.ReadClassName(target));
}

void Inspection::RefreshInspection(MainWindow& window) {
  const WindowHandle target = FindTargetWindow();
  const WindowHandle root = roots_.FindRootAncestorOf(target);
  // Each box is written as soon as its value is read: when the pointer rests on one of our own
  // boxes, what it shows must be what it holds after the boxes before it were filled.
  if (!root.IsNone()) {
    window.WriteBox(Box::Title, ws_.ReadWindowText(root));
    const Text className = ws_.ReadClassName(target);
    window.WriteBox(Box::Class, className);
    window.WriteBox(Box::ControlText, ws_.ReadWindowText(target));
    window.WriteBox(Box::ControlId, ids_.ComputeControlIdFor(root, target, className));
    return;
  }
  window.WriteBox(Box::Title, target.IsNone() ? Text{} : ws_.ReadWindowText(target));
  window.WriteBox(Box::Class, {});
  window.WriteBox(Box::ControlText, {});
  window.WriteBox(Box::ControlId, {});
}

}  // namespace vexlumen
