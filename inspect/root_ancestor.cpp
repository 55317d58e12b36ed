#include "inspect/root_ancestor.h"

namespace vexlumen {

namespace {
// Owner links are set by other applications and can, through handle reuse, form a loop; real
// chains are a handful of windows deep.
constexpr std::size_t kMaxChainLength = 4096;
}  // namespace

WindowHandle RootAncestorFinder::FindRootAncestorOf(WindowHandle target) {
  ancestorHandles_.clear();
  if (target.IsNone()) return kNoWindow;
  for (WindowHandle h = ws_.FindParent(target);
       !h.IsNone() && ancestorHandles_.size() < kMaxChainLength; h = ws_.FindParent(h)) {
    ancestorHandles_.push_back(h);
  }
  return ancestorHandles_.empty() ? kNoWindow : ancestorHandles_.back();
}

}  // namespace vexlumen
