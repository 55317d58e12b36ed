// The logic's only door to the window system. Every operation is one or a few calls of the
// platform; the comments say what callers may rely on. Nothing here may block for long: the
// Windows implementation bounds every cross-process question.
#pragma once

#include <functional>

#include "winsys/core_types.h"

namespace vexlumen {

class WindowSystem {
 public:
  // Called once per descendant; return false to stop the enumeration early.
  using DescendantVisitor = std::function<bool(WindowHandle)>;

  virtual ~WindowSystem() = default;

  // Pointer position in screen coordinates.
  virtual Point GetPointerPosition() = 0;
  // The window at a screen point, or none.
  virtual WindowHandle FindWindowAtPoint(Point p) = 0;
  // Parent of a child window, owner of an owned pop-up, otherwise none.
  virtual WindowHandle FindParent(WindowHandle w) = 0;
  // The next window below in Z-order; none after the last.
  virtual WindowHandle FindNextSibling(WindowHandle w) = 0;
  // Outer rectangle in screen coordinates; empty when the window is gone.
  virtual Rect ReadOuterRect(WindowHandle w) = 0;
  virtual bool IsVisible(WindowHandle w) = 0;
  // At most 258 bytes; empty on failure.
  virtual Text ReadClassName(WindowHandle w) = 0;
  // Asked by message, so edits of other processes give their contents; empty when the handle is
  // no window, the text is empty, or the owner does not answer in time.
  virtual Text ReadWindowText(WindowHandle w) = 0;
  // Every descendant at every depth, once each, in the system's order.
  virtual void EnumerateDescendants(WindowHandle root, const DescendantVisitor& visit) = 0;
  // Screen position of the client area's top-left corner.
  virtual Point ReadClientOrigin(WindowHandle w) = 0;
  // Primary screen, pixels.
  virtual Size ReadScreenSize() = 0;

  // While captured, button messages go to `w` wherever the pointer is.
  virtual void CaptureMouse(WindowHandle w) = 0;
  virtual void ReleaseMouseCapture() = 0;

  // A copy of the pointer now shown, owned by the caller.
  virtual CursorHandle CopyCurrentCursor() = 0;
  // None when the file is missing or no cursor.
  virtual CursorHandle LoadCursorFile(const Text& path) = 0;
  // Makes `cursor` the system's normal arrow. Takes ownership in every case: on success the
  // system keeps it, on failure it is destroyed. A none cursor changes nothing.
  virtual void ReplaceNormalArrow(CursorHandle cursor) = 0;

  // Plain text on the clipboard. Nothing happens when the clipboard cannot be opened.
  virtual void PutTextOnClipboard(const Text& text) = 0;
  // Directory of the running executable, without a trailing backslash.
  virtual Text ReadExecutableDirectory() = 0;
};

}  // namespace vexlumen
