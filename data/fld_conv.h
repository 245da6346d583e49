// FLDConv: the value codecs of the binary datapacket, one class per stored
// form, chosen from a column's or property's type word.
//
// A codec reads one value at a cursor: it checks that the whole value fits in
// the block, hands out the value's bytes in place and reports the value's
// length. It copies nothing and converts nothing (integers and floats stay in
// their little-endian form, text stays in its single-byte code page).
//
//   codec            stored form                          reported length
//   FLDCInt8/16/32/64  1, 2, 4, 8 bytes (signed or not)   the width
//   FLDCFloat          8-byte IEEE 754 double             8
//   FLDCFloatIEEE      10-byte 80-bit extended            10
//   FLDCBcd            18 bytes, whatever the width says  18
//   FLDCFixed          `width` bytes (0 for ADT, array)   the width
//   FLDCVar8/16/32     1/2/4-byte length, then the bytes  the length
//   FLDCSQLTIMESTAMP   16 bytes                           16
//
// FLDCVar32's prefix is signed: a negative length stores no bytes and is
// reported as is (the 32-bit two's-complement pattern in the unsigned length).
//
// MakeFieldCodec() holds the table of which class and width takes which codec;
// a type word outside it has no codec (the reader's unsupported-type error).
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "base/byte_cursor.h"

namespace data {

// One value as a codec found it.
struct FieldValue {
  // The length reported to the caller; for a negative 4-byte prefix, that
  // negative number as uint32 (then `bytes` is empty).
  std::uint32_t length = 0;
  // The value's bytes inside the block, without any length prefix.
  std::span<const std::uint8_t> bytes;
};

class FLDConv {
 public:
  explicit FLDConv(std::uint32_t width) : width_(width) {}
  virtual ~FLDConv() = default;

  // Reads the value at `cursor` and moves past it. Returns false, leaving
  // `value` unspecified and the cursor failed, when the value does not fit in
  // the cursor's block.
  virtual bool Read(base::ByteCursor& cursor, FieldValue& value) const = 0;
  // The number of bytes every value takes, or -1 for a length-prefixed one.
  virtual std::int64_t FixedSize() const = 0;
  // The class name ("FLDCInt16"), for the dump tool and diagnostics.
  virtual const char* Name() const = 0;

  // The width of the type word (prefix size for varying codecs).
  std::uint32_t Width() const { return width_; }

 private:
  std::uint32_t width_;
};

// The codec for `type_word`, or null when the class and width are not
// accepted, when the varying bit is set on a class that is not text or bytes
// or with a prefix width other than 1, 2, 4, or when the array bit is set
// together with the varying bit. The array bit itself is the caller's matter
// (the codec reads one element). Throws std::bad_alloc only.
std::unique_ptr<FLDConv> MakeFieldCodec(std::uint32_t type_word);

// True when MakeFieldCodec(type_word) would give a codec.
bool HasFieldCodec(std::uint32_t type_word);

// Fixed-size codecs: copy `Size` bytes.
class FLDCFixedSize : public FLDConv {
 public:
  FLDCFixedSize(std::uint32_t width, std::uint32_t size) : FLDConv(width), size_(size) {}
  bool Read(base::ByteCursor& cursor, FieldValue& value) const final {
    if (!cursor.ReadSpan(size_, value.bytes)) return false;
    value.length = size_;
    return true;
  }
  std::int64_t FixedSize() const final { return size_; }

 private:
  std::uint32_t size_;
};

// Integers of classes 1, 2, 3, 6, 7 and the nested-table count (class 14).
class FLDCInt : public FLDCFixedSize {
 public:
  FLDCInt(std::uint32_t width, bool is_unsigned) : FLDCFixedSize(width, width), unsigned_(is_unsigned) {}
  bool IsUnsigned() const { return unsigned_; }

 private:
  bool unsigned_;
};

class FLDCInt8 final : public FLDCInt {
 public:
  explicit FLDCInt8(bool is_unsigned) : FLDCInt(1, is_unsigned) {}
  const char* Name() const override { return "FLDCInt8"; }
};
class FLDCInt16 final : public FLDCInt {
 public:
  explicit FLDCInt16(bool is_unsigned) : FLDCInt(2, is_unsigned) {}
  const char* Name() const override { return "FLDCInt16"; }
};
class FLDCInt32 final : public FLDCInt {
 public:
  explicit FLDCInt32(bool is_unsigned) : FLDCInt(4, is_unsigned) {}
  const char* Name() const override { return "FLDCInt32"; }
};
class FLDCInt64 final : public FLDCInt {
 public:
  explicit FLDCInt64(bool is_unsigned) : FLDCInt(8, is_unsigned) {}
  const char* Name() const override { return "FLDCInt64"; }
};

// IEEE 754 double (floating point of width 8, timestamp).
class FLDCFloat final : public FLDCFixedSize {
 public:
  FLDCFloat() : FLDCFixedSize(8, 8) {}
  const char* Name() const override { return "FLDCFloat"; }
};
// 80-bit extended (floating point of width 10).
class FLDCFloatIEEE final : public FLDCFixedSize {
 public:
  FLDCFloatIEEE() : FLDCFixedSize(10, 10) {}
  const char* Name() const override { return "FLDCFloatIEEE"; }
};
// BCD and formatted BCD: always 18 bytes.
class FLDCBcd final : public FLDCFixedSize {
 public:
  explicit FLDCBcd(std::uint32_t width) : FLDCFixedSize(width, 18) {}
  const char* Name() const override { return "FLDCBcd"; }
};
// Fixed text and bytes of `width` bytes; width 0 for ADT and array slots.
class FLDCFixed final : public FLDCFixedSize {
 public:
  explicit FLDCFixed(std::uint32_t width) : FLDCFixedSize(width, width) {}
  const char* Name() const override { return "FLDCFixed"; }
};
// SQL timestamp: 16 bytes as they are.
class FLDCSQLTIMESTAMP final : public FLDCFixedSize {
 public:
  FLDCSQLTIMESTAMP() : FLDCFixedSize(16, 16) {}
  const char* Name() const override { return "FLDCSQLTIMESTAMP"; }
};

// Length-prefixed text and bytes.
class FLDCVar8 final : public FLDConv {
 public:
  FLDCVar8() : FLDConv(1) {}
  bool Read(base::ByteCursor& cursor, FieldValue& value) const override;
  std::int64_t FixedSize() const override { return -1; }
  const char* Name() const override { return "FLDCVar8"; }
};
class FLDCVar16 final : public FLDConv {
 public:
  FLDCVar16() : FLDConv(2) {}
  bool Read(base::ByteCursor& cursor, FieldValue& value) const override;
  std::int64_t FixedSize() const override { return -1; }
  const char* Name() const override { return "FLDCVar16"; }
};
class FLDCVar32 final : public FLDConv {
 public:
  FLDCVar32() : FLDConv(4) {}
  bool Read(base::ByteCursor& cursor, FieldValue& value) const override;
  std::int64_t FixedSize() const override { return -1; }
  const char* Name() const override { return "FLDCVar32"; }
};

}  // namespace data
