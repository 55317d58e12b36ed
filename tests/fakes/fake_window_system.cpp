#include "tests/fakes/fake_window_system.h"

#include <algorithm>
#include <cstdint>

namespace vexlumen::testing {

namespace {
constexpr std::size_t kMaxClassNameBytes = 258;
constexpr std::uint32_t kFirstHandle = 0x100;
constexpr std::uint32_t kHandleStep = 4;  // like real handles: never 0, never reused
}  // namespace

std::size_t FakeWindowSystem::SlotOf(WindowHandle w) {
  return w.value < kFirstHandle ? SIZE_MAX : (w.value - kFirstHandle) / kHandleStep;
}

bool FakeWindowSystem::Exists(WindowHandle w) const {
  const std::size_t slot = SlotOf(w);
  return w.value % kHandleStep == 0 && slot < windows_.size() && windows_[slot].has_value();
}

WindowHandle FakeWindowSystem::Add(const WindowDesc& desc, WindowHandle parent,
                                   WindowHandle owner) {
  const WindowHandle h{kFirstHandle + kHandleStep * static_cast<std::uint32_t>(windows_.size())};
  Window w;
  w.desc = desc;
  w.parent = parent;
  w.owner = owner;
  windows_.emplace_back(std::move(w));
  return h;
}

WindowHandle FakeWindowSystem::AddTopLevel(const WindowDesc& desc) {
  const WindowHandle h = Add(desc, kNoWindow, kNoWindow);
  topLevels_.insert(topLevels_.begin(), h);
  return h;
}

WindowHandle FakeWindowSystem::AddOwnedPopup(WindowHandle owner, const WindowDesc& desc) {
  const WindowHandle h = Add(desc, kNoWindow, owner);
  topLevels_.insert(topLevels_.begin(), h);
  return h;
}

WindowHandle FakeWindowSystem::AddChild(WindowHandle parent, const WindowDesc& desc) {
  const WindowHandle h = Add(desc, parent, kNoWindow);
  Find(parent)->children.push_back(h);
  return h;
}

void FakeWindowSystem::Destroy(WindowHandle w) {
  Window* win = Find(w);
  if (win == nullptr) return;
  const std::vector<WindowHandle> children = win->children;
  for (WindowHandle c : children) Destroy(c);
  auto& siblings = SiblingsOf(*Find(w));
  siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
  windows_[SlotOf(w)].reset();
  if (captured_ == w) captured_ = kNoWindow;
  // The system destroys owned windows with their owner; otherwise their owner link would name
  // a window that no longer exists, which cannot happen in practice. Erasing `w` first keeps an
  // owner loop from recursing for ever.
  std::vector<WindowHandle> owned;
  for (std::size_t slot = 0; slot < windows_.size(); ++slot) {
    if (windows_[slot] && windows_[slot]->owner == w) {
      owned.push_back(WindowHandle{kFirstHandle + kHandleStep * static_cast<std::uint32_t>(slot)});
    }
  }
  for (WindowHandle o : owned) Destroy(o);
}

void FakeWindowSystem::SetVisible(WindowHandle w, bool visible) {
  Find(w)->desc.visible = visible;
}
void FakeWindowSystem::SetText(WindowHandle w, const Text& text) {
  Find(w)->desc.text = text;
}
void FakeWindowSystem::SetClientOrigin(WindowHandle w, Point origin) {
  Find(w)->clientOrigin = origin;
}

FakeWindowSystem::Window* FakeWindowSystem::Find(WindowHandle w) {
  return Exists(w) ? &*windows_[SlotOf(w)] : nullptr;
}

std::vector<WindowHandle>& FakeWindowSystem::SiblingsOf(const Window& w) {
  return w.parent.IsNone() ? topLevels_ : Find(w.parent)->children;
}

void FakeWindowSystem::Count() {
  if (hook_) hook_(calls_);
  ++calls_;
}

Point FakeWindowSystem::GetPointerPosition() {
  Count();
  return pointer_;
}

// Like the real call: the front-most visible window containing the point, then, inside it, the
// front-most visible child containing the point, as deep as children go.
WindowHandle FakeWindowSystem::HitTest(const std::vector<WindowHandle>& layer, Point p) {
  for (WindowHandle h : layer) {
    const Window& w = *Find(h);
    if (!w.desc.visible || !w.desc.rect.Contains(p)) continue;
    const WindowHandle deeper = HitTest(w.children, p);
    return deeper.IsNone() ? h : deeper;
  }
  return kNoWindow;
}

WindowHandle FakeWindowSystem::FindWindowAtPoint(Point p) {
  Count();
  if (forcedHit_) return Exists(*forcedHit_) ? *forcedHit_ : kNoWindow;
  return HitTest(topLevels_, p);
}

WindowHandle FakeWindowSystem::FindParent(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  if (win == nullptr) return kNoWindow;
  return win->parent.IsNone() ? win->owner : win->parent;
}

WindowHandle FakeWindowSystem::FindNextSibling(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  if (win == nullptr) return kNoWindow;
  const auto& siblings = SiblingsOf(*win);
  auto it = std::find(siblings.begin(), siblings.end(), w);
  if (it == siblings.end() || ++it == siblings.end()) return kNoWindow;
  return *it;
}

Rect FakeWindowSystem::ReadOuterRect(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  return win == nullptr ? Rect{} : win->desc.rect;
}

bool FakeWindowSystem::IsVisible(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  return win != nullptr && win->desc.visible;
}

Text FakeWindowSystem::ReadClassName(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  if (win == nullptr) return {};
  return win->desc.className.substr(0, kMaxClassNameBytes);
}

Text FakeWindowSystem::ReadWindowText(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  return win == nullptr ? Text{} : win->desc.text;
}

bool FakeWindowSystem::Enumerate(const Window& parent, const DescendantVisitor& visit) {
  // Copy: the visitor may destroy windows while we walk.
  const std::vector<WindowHandle> children = parent.children;
  for (WindowHandle c : children) {
    const Window* child = Find(c);
    if (child == nullptr) continue;
    if (!visit(c)) return false;
    child = Find(c);
    if (child != nullptr && !Enumerate(*child, visit)) return false;
  }
  return true;
}

void FakeWindowSystem::EnumerateDescendants(WindowHandle root, const DescendantVisitor& visit) {
  Count();
  const Window* win = Find(root);
  if (win != nullptr) Enumerate(*win, visit);
}

Point FakeWindowSystem::ReadClientOrigin(WindowHandle w) {
  Count();
  const Window* win = Find(w);
  if (win == nullptr) return {};
  return win->clientOrigin.value_or(Point{win->desc.rect.left, win->desc.rect.top});
}

Size FakeWindowSystem::ReadScreenSize() {
  Count();
  return screen_;
}

void FakeWindowSystem::CaptureMouse(WindowHandle w) {
  Count();
  captured_ = w;
}

void FakeWindowSystem::ReleaseMouseCapture() {
  Count();
  captured_ = kNoWindow;
}

CursorHandle FakeWindowSystem::CopyCurrentCursor() {
  Count();
  const CursorHandle c{nextCursor_++};
  cursors_[c.value] = "copy of " + normalArrow_;
  return c;
}

CursorHandle FakeWindowSystem::LoadCursorFile(const Text& path) {
  Count();
  if (cursorFiles_.count(path) == 0) return {};
  const CursorHandle c{nextCursor_++};
  cursors_[c.value] = path;
  return c;
}

void FakeWindowSystem::ReplaceNormalArrow(CursorHandle cursor) {
  Count();
  auto it = cursors_.find(cursor.value);
  if (it == cursors_.end()) return;
  // A copy of the arrow shows what the arrow showed when it was copied.
  const Text prefix = "copy of ";
  normalArrow_ = it->second.rfind(prefix, 0) == 0 ? it->second.substr(prefix.size()) : it->second;
  ++replacements_;
  cursors_.erase(it);
}

void FakeWindowSystem::PutTextOnClipboard(const Text& text) {
  Count();
  if (clipboardBusy_) return;
  clipboard_ = text;
  ++clipboardWrites_;
}

Text FakeWindowSystem::ReadExecutableDirectory() {
  Count();
  return exeDir_;
}

}  // namespace vexlumen::testing
