// Owners of movable global memory blocks, the currency of the clipboard
// (Windows only): GlobalBlock owns a block until it is handed over,
// LockedGlobal keeps one locked while it lives.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

namespace ui {

// A block from GlobalAlloc, freed when the object goes unless Release handed
// it to its new owner (the clipboard, once SetClipboardData took it).
class GlobalBlock {
 public:
  GlobalBlock(UINT flags, std::size_t bytes) : block_(GlobalAlloc(flags, bytes)) {}
  ~GlobalBlock() {
    if (block_) GlobalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  HGLOBAL Get() const { return block_; }
  HGLOBAL Release() { return std::exchange(block_, nullptr); }

 private:
  HGLOBAL block_;
};

// A block locked as an array of T (GlobalLock ... GlobalUnlock). Data() is
// null when the lock failed; Count() is how many whole T the block holds.
template <typename T>
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL block) : block_(block), data_(static_cast<T*>(GlobalLock(block))) {}
  ~LockedGlobal() {
    if (data_) GlobalUnlock(block_);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;

  T* Data() const { return data_; }
  std::size_t Count() const { return data_ ? GlobalSize(block_) / sizeof(T) : 0; }

 private:
  HGLOBAL block_;
  T* data_;
};

}  // namespace ui
