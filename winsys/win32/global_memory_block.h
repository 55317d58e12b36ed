// A movable global memory block, freed unless its ownership passed elsewhere (the clipboard takes
// the block when SetClipboardData succeeds and frees it itself later).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <utility>

namespace vexlumen::win32 {

class GlobalMemoryBlock {
 public:
  // Zero-filled, so text copied in short stays terminated. Holds nothing when allocation fails.
  explicit GlobalMemoryBlock(std::size_t bytes)
      : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)), size_(block_ ? bytes : 0) {}
  ~GlobalMemoryBlock() {
    if (block_ != nullptr) GlobalFree(block_);
  }

  GlobalMemoryBlock(const GlobalMemoryBlock&) = delete;
  GlobalMemoryBlock& operator=(const GlobalMemoryBlock&) = delete;
  GlobalMemoryBlock(GlobalMemoryBlock&& other) noexcept
      : block_(std::exchange(other.block_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  GlobalMemoryBlock& operator=(GlobalMemoryBlock&& other) noexcept {
    if (this != &other) {
      if (block_ != nullptr) GlobalFree(block_);
      block_ = std::exchange(other.block_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }

  bool IsAllocated() const { return block_ != nullptr; }
  HGLOBAL Get() const { return block_; }

  // Copies `bytes` bytes to the start of the block; false when they do not fit or the block
  // cannot be locked.
  bool CopyIn(const void* data, std::size_t bytes) {
    if (block_ == nullptr || bytes > size_) return false;
    void* target = GlobalLock(block_);
    if (target == nullptr) return false;
    if (bytes != 0) std::memcpy(target, data, bytes);
    GlobalUnlock(block_);
    return true;
  }

  // Forgets the block after someone else took it over.
  HGLOBAL Release() {
    size_ = 0;
    return std::exchange(block_, nullptr);
  }

 private:
  HGLOBAL block_;
  std::size_t size_;
};

}  // namespace vexlumen::win32
