// ByteCursor: the one bounded way to read untrusted bytes (datapackets,
// component streams).
//
// A cursor is a view of a byte block plus a read position. Every read checks
// the remaining length first, written so that it cannot overflow
// (`len <= size && pos <= size - len`); a read that does not fit fails, leaves
// the output untouched and makes the cursor failed. The failure is sticky:
// every later read fails too, so a caller may read a whole record and check
// Ok() once at its end. Nothing is ever read before the start or past the end
// of the block.
//
// A cursor is a small value: copy it to look ahead (the copy moves, the
// original stays), assign the copy back to commit; or Save() a mark and
// Restore() it to undo. Slice() hands out a sub-cursor over the next bytes,
// refused when they do not fit.
//
// Numbers are read little-endian, byte by byte, whatever the host's order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace base {

class ByteCursor {
 public:
  ByteCursor() = default;
  explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // False once any read, skip or seek has not fitted.
  bool Ok() const { return ok_; }
  // Offset of the read position from the start of the block.
  std::size_t Position() const { return pos_; }
  std::size_t Size() const { return bytes_.size(); }
  // Bytes left after the read position (0 when failed).
  std::size_t Remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }
  // True when `len` more bytes can be read.
  bool Fits(std::size_t len) const { return ok_ && len <= bytes_.size() && pos_ <= bytes_.size() - len; }

  // Moves the read position to `offset` from the start; fails beyond the end.
  bool Seek(std::size_t offset) {
    if (!ok_ || offset > bytes_.size()) return Fail();
    pos_ = offset;
    return true;
  }
  // Skips `len` bytes.
  bool Skip(std::size_t len) {
    if (!Fits(len)) return Fail();
    pos_ += len;
    return true;
  }

  // A read position to come back to. Restore(mark) undoes every read since
  // Mark() was taken, a failure among them included; take marks only while
  // the cursor is Ok(). Cheaper than copying the cursor in a hot loop.
  struct Mark {
    std::size_t position;
  };
  Mark Save() const { return {pos_}; }
  void Restore(Mark mark) {
    pos_ = mark.position;
    ok_ = pos_ <= bytes_.size();
  }

  // Reads an unsigned or signed integer of sizeof(T) bytes, little-endian.
  template <typename T>
  bool Read(T& out) {
    static_assert(std::is_integral_v<T>);
    if (!Fits(sizeof(T))) return Fail();
    using U = std::make_unsigned_t<T>;
    U value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
      value = static_cast<U>(value | (U{bytes_[pos_ + i]} << (8 * i)));
    out = static_cast<T>(value);
    pos_ += sizeof(T);
    return true;
  }

  // Hands out the next `len` bytes in place and moves past them.
  bool ReadSpan(std::size_t len, std::span<const std::uint8_t>& out) {
    if (!Fits(len)) return Fail();
    out = bytes_.subspan(pos_, len);
    pos_ += len;
    return true;
  }

  // A cursor over the next `len` bytes (its positions start at 0); this
  // cursor moves past them. Fails, returning a failed cursor, when they do not fit.
  ByteCursor Slice(std::size_t len) {
    std::span<const std::uint8_t> part;
    if (!ReadSpan(len, part)) {
      ByteCursor failed;
      failed.ok_ = false;
      return failed;
    }
    return ByteCursor(part);
  }

 private:
  bool Fail() {
    ok_ = false;
    return false;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace base
