// The window system of the real Windows, through the ANSI entry points of user32 and kernel32.
// Windows types stay inside this folder; callers see only our own values.
#pragma once

#include "winsys/window_system.h"

namespace vexlumen::win32 {

class Win32WindowSystem : public WindowSystem {
 public:
  Point GetPointerPosition() override;
  WindowHandle FindWindowAtPoint(Point p) override;
  WindowHandle FindParent(WindowHandle w) override;
  WindowHandle FindNextSibling(WindowHandle w) override;
  Rect ReadOuterRect(WindowHandle w) override;
  bool IsVisible(WindowHandle w) override;
  Text ReadClassName(WindowHandle w) override;
  Text ReadWindowText(WindowHandle w) override;
  void EnumerateDescendants(WindowHandle root, const DescendantVisitor& visit) override;
  Point ReadClientOrigin(WindowHandle w) override;
  Size ReadScreenSize() override;
  void CaptureMouse(WindowHandle w) override;
  void ReleaseMouseCapture() override;
  CursorHandle CopyCurrentCursor() override;
  CursorHandle LoadCursorFile(const Text& path) override;
  void ReplaceNormalArrow(CursorHandle cursor) override;
  void PutTextOnClipboard(const Text& text) override;
  Text ReadExecutableDirectory() override;
};

}  // namespace vexlumen::win32
