// ValueReader: the bounded reader of the pieces of a component stream
// (signature, prefix bytes, short strings, tagged values), over one ByteCursor.
//
// Every read checks the bytes left; a read that does not fit throws EReadError
// ("Stream read error"), as does a tag above 20 ("Invalid property value"), a
// nesting deeper than StreamLimits::max_depth, or a count above its limit. No
// read ever goes past the end of the block, and every loop consumes at least
// one byte per round, so no input can make the reader hang.
//
// Texts come out as 1251: short and long text as stored, wide and UTF-8 text
// converted with text/cp1251.h (a character 1251 cannot hold becomes '?').
//
// The component reader (resources/component_reader.h) drives it tag by tag;
// ReadValue() reads any value whole, for tools and tests.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/byte_cursor.h"
#include "resources/stream_format.h"
#include "resources/stream_limits.h"

namespace resources {

struct Value;

// One property entry of a collection item read whole.
struct PropertyEntry;

// A collection item read whole: its optional index and its property entries.
struct CollectionItem {
  std::optional<std::int64_t> index;
  std::vector<PropertyEntry> properties;
};

// Any value read whole. Only the members of its tag are set.
struct Value {
  ValueTag tag = ValueTag::kNil;
  std::int64_t integer = 0;  // kInt8..kInt32, kInt64; kCurrency: ten-thousandths
  double real = 0;           // kExtended, kSingle, kDate
  std::string text;          // kString, kIdent, kLongString as stored; kWideString, kUtf8String in 1251
  std::u16string wide;       // kWideString, kUtf8String as UTF-16
  std::span<const std::uint8_t> binary;  // kBinary: a view into the stream
  std::vector<std::string> set;          // kSet: the element names
  std::vector<Value> list;               // kList
  std::vector<CollectionItem> items;     // kCollection
};

struct PropertyEntry {
  std::string name;
  Value value;
};

class ValueReader {
 public:
  // `bytes` must outlive the reader and every binary view it hands out.
  // `bytes_outlive_components`: they stay valid as long as the components
  // read from them (an embedded resource), so a component may keep a view
  // of a binary value instead of a copy.
  ValueReader(std::span<const std::uint8_t> bytes, const StreamLimits& limits,
              bool bytes_outlive_components = false);

  const StreamLimits& Limits() const { return limits_; }
  bool BytesOutliveComponents() const { return bytes_outlive_components_; }
  std::size_t Position() const { return cursor_.Position(); }
  bool AtEnd() const { return cursor_.Remaining() == 0; }

  // Checks the four signature bytes; anything else throws "Invalid stream format".
  void ReadSignature();

  // The next byte without moving (throws at the end).
  std::uint8_t PeekByte() const;
  std::uint8_t ReadByte();
  // True, and the byte is consumed, when the next byte is 0 (the end of a list
  // of properties, children, list elements or collection items).
  bool EndOfList();
  // A short string: a length byte and that many bytes.
  std::string ReadShortString();

  // A tag byte; a byte above the last known tag throws "Invalid property value".
  ValueTag ReadTag();
  ValueTag PeekTag() const;

  // Payload readers: the caller has read `tag` and it is one of theirs.
  // ReadIntegerPayload: kInt8, kInt16, kInt32, kInt64 (the value sign-extended).
  std::int64_t ReadIntegerPayload(ValueTag tag);
  // kExtended, kSingle, kDate.
  double ReadRealPayload(ValueTag tag);
  // kCurrency: ten-thousandths.
  std::int64_t ReadCurrencyPayload();
  // kString, kIdent, kLongString as stored; kWideString, kUtf8String converted to 1251.
  std::string ReadTextPayload(ValueTag tag);
  // The same four text tags as UTF-16 (1251 text widened).
  std::u16string ReadWideTextPayload(ValueTag tag);
  // kBinary: a view of the payload bytes.
  std::span<const std::uint8_t> ReadBinaryPayload();
  // kSet: the element names up to the empty one (not included).
  std::vector<std::string> ReadSetPayload();

  // An integer value (tag kInt8, kInt16 or kInt32) whole; another tag throws
  // "Invalid property value" after its payload has been skipped.
  std::int32_t ReadInteger();

  // Skips one whole value: its tag and payload, lists, sets and collections
  // element by element.
  void SkipValue();
  // Skips the payload of a value whose tag has been read.
  void SkipPayload(ValueTag tag);

  // Reads one whole value (tag and payload).
  Value ReadValue();

  static bool IsInteger(ValueTag tag) {
    return tag == ValueTag::kInt8 || tag == ValueTag::kInt16 || tag == ValueTag::kInt32;
  }
  static bool IsText(ValueTag tag) {
    return tag == ValueTag::kString || tag == ValueTag::kLongString || tag == ValueTag::kWideString ||
           tag == ValueTag::kUtf8String;
  }

  // Counts one more level of nesting while it lives; a level above
  // StreamLimits::max_depth throws "Stream nested too deeply".
  class DepthGuard {
   public:
    explicit DepthGuard(ValueReader& reader);
    ~DepthGuard() { --reader_.depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

   private:
    ValueReader& reader_;
  };

  // Throws "Stream holds too many elements" when `count` exceeds max_elements.
  void CheckElementCount(std::size_t count) const;

  // Throws EReadError with `message`.
  [[noreturn]] static void Fail(const char* message);

 private:
  std::span<const std::uint8_t> ReadCounted(std::size_t unit);
  template <typename T>
  T ReadNumber();
  void ReadCollectionItems(std::vector<CollectionItem>* items);

  base::ByteCursor cursor_;
  StreamLimits limits_;
  bool bytes_outlive_components_ = false;
  std::size_t depth_ = 0;
};

}  // namespace resources
