// An in-memory window system: a tree of windows with parent-or-owner links, Z-order among
// siblings, rectangles, visibility, class names and texts, plus the pointer, capture, cursors,
// clipboard and screen. A scenario takes a few lines; every interface call is counted.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "winsys/window_system.h"

namespace vexlumen::testing {

class FakeWindowSystem : public WindowSystem {
 public:
  struct WindowDesc {
    Rect rect;
    Text className;
    Text text;
    bool visible = true;
  };

  // A top-level window, placed above all existing top-level windows, as a new window is.
  WindowHandle AddTopLevel(const WindowDesc& desc);
  // A top-level window owned by `owner`; the parent operation reports the owner.
  WindowHandle AddOwnedPopup(WindowHandle owner, const WindowDesc& desc);
  // A child window, placed below its existing siblings, as a new child is.
  WindowHandle AddChild(WindowHandle parent, const WindowDesc& desc);
  // Removes the window, its children and the windows it owns; later questions about them give
  // empty results.
  void Destroy(WindowHandle w);

  void SetPointer(Point p) { pointer_ = p; }
  void SetVisible(WindowHandle w, bool visible);
  void SetText(WindowHandle w, const Text& text);
  void SetClientOrigin(WindowHandle w, Point origin);
  void SetScreenSize(Size size) { screen_ = size; }
  void SetExecutableDirectory(const Text& dir) { exeDir_ = dir; }
  // Makes the window-at-point operation answer `w` at every point; real hit-testing skips
  // some windows (group boxes, for one), and tests need that case.
  void ForceWindowAtPoint(WindowHandle w) { forcedHit_ = w; }
  void UseNormalHitTest() { forcedHit_.reset(); }
  // A file that loads as a cursor; any other path fails to load.
  void AddCursorFile(const Text& path) { cursorFiles_.insert(path); }
  void SetClipboardBusy(bool busy) { clipboardBusy_ = busy; }
  // Runs before every interface call with the number of calls made so far.
  void SetCallHook(std::function<void(std::size_t)> hook) { hook_ = std::move(hook); }

  std::size_t CallCount() const { return calls_; }
  void ResetCallCount() { calls_ = 0; }
  bool Exists(WindowHandle w) const;
  std::optional<Text> Clipboard() const { return clipboard_; }
  int ClipboardWrites() const { return clipboardWrites_; }
  WindowHandle CapturedWindow() const { return captured_; }
  // What the system's normal arrow shows now: "arrow" at start, else the file path or copy.
  Text NormalArrowImage() const { return normalArrow_; }
  int NormalArrowReplacements() const { return replacements_; }
  // Cursor handles given out and not yet handed back: a leak when a drag is over.
  std::size_t OutstandingCursors() const { return cursors_.size(); }

  // WindowSystem
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

 private:
  struct Window {
    WindowDesc desc;
    WindowHandle parent;                 // child windows only
    WindowHandle owner;                  // owned top-level windows only
    std::vector<WindowHandle> children;  // front (top of Z-order) first
    std::optional<Point> clientOrigin;
  };

  void Count();
  WindowHandle Add(const WindowDesc& desc, WindowHandle parent, WindowHandle owner);
  Window* Find(WindowHandle w);
  std::vector<WindowHandle>& SiblingsOf(const Window& w);
  WindowHandle HitTest(const std::vector<WindowHandle>& layer, Point p);
  bool Enumerate(const Window& parent, const DescendantVisitor& visit);

  // Hashed: every interface call looks a window up, and the benchmark's trees reach 100,000
  // windows, where an ordered map's pointer chasing would outweigh the logic being measured.
  // As before, a pointer from Find stays valid until that very window is erased.
  // Indexed by handle: handles are given out in sequence, so a lookup is an index, and a tree
  // of a hundred thousand windows costs the benchmark no hashing. Destroyed slots stay empty.
  static std::size_t SlotOf(WindowHandle w);
  std::vector<std::optional<Window>> windows_;
  std::vector<WindowHandle> topLevels_;  // front first
  Point pointer_;
  Size screen_{1024, 768};
  Text exeDir_ = "C:\\Tools";
  std::optional<WindowHandle> forcedHit_;
  std::set<Text> cursorFiles_;
  std::map<std::uintptr_t, Text> cursors_;  // outstanding handle -> image
  std::uintptr_t nextCursor_ = 1;
  Text normalArrow_ = "arrow";
  int replacements_ = 0;
  std::optional<Text> clipboard_;
  int clipboardWrites_ = 0;
  bool clipboardBusy_ = false;
  WindowHandle captured_;
  std::function<void(std::size_t)> hook_;
  std::size_t calls_ = 0;
};

}  // namespace vexlumen::testing
