// ComponentStreamWriter: builds a binary component stream (layout in
// resources/stream_format.h), well-formed or deliberately not.
//
// The writer lays items down in call order and does not check that they make
// a valid stream: the form compiler calls it in the right order, and tests use
// it to build damaged streams as well (a raw tag, a missing end, a count that
// lies). Texts are passed as they are to be stored: short and long text and
// identifiers as 1251 bytes, wide text as UTF-16, UTF-8 text as UTF-8.
//
//   ComponentStreamWriter w;
//   w.Signature().BeginObject("TMainForm", "MainForm");
//   w.Property("Caption").Utf8String(u8"Телефон");
//   w.Property("Font.Height").Integer(-11);
//   w.EndProperties();
//   w.BeginObject("TLabel", "Label1").Property("Left").Integer(7).EndProperties().EndObject();
//   w.EndObject();            // the root's children
//   std::string stream = w.Finish();
//
// Errors: a short string over 255 bytes or a payload over 4 GiB throws
// std::invalid_argument; that is a mistake of the calling code, never of data.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/stream_format.h"

namespace resources {

class ComponentStreamWriter {
 public:
  // --- Structure ---

  // The four signature bytes "TPF0".
  ComponentStreamWriter& Signature();
  // Starts an object record: the prefix byte when `flags` is not 0 (then, with
  // kChildPosition, the position as an integer value), the class name and the
  // object name. Property entries follow, then EndProperties().
  ComponentStreamWriter& BeginObject(std::string_view class_name, std::string_view name,
                                     std::uint8_t flags = 0, std::optional<std::int32_t> position = {});
  // Ends a property list (one 0 byte).
  ComponentStreamWriter& EndProperties();
  // Ends the child list of the current object, and so the object (one 0 byte).
  ComponentStreamWriter& EndObject();
  // The name of a property entry, a plain name or a dotted path; one value follows.
  ComponentStreamWriter& Property(std::string_view path);

  // --- Values (each writes its tag and payload) ---

  // The smallest of the 8-, 16-, 32- and 64-bit integer tags that holds `value`.
  ComponentStreamWriter& Integer(std::int64_t value);
  ComponentStreamWriter& Int8(std::int8_t value);
  ComponentStreamWriter& Int16(std::int16_t value);
  ComponentStreamWriter& Int32(std::int32_t value);
  ComponentStreamWriter& Int64(std::int64_t value);
  ComponentStreamWriter& Extended(double value);
  ComponentStreamWriter& Single(float value);
  // `ten_thousandths`: the amount times 10000.
  ComponentStreamWriter& Currency(std::int64_t ten_thousandths);
  ComponentStreamWriter& Date(double days_since_1899_12_30);
  ComponentStreamWriter& String(std::string_view cp1251);
  ComponentStreamWriter& LongString(std::string_view cp1251);
  ComponentStreamWriter& WideString(std::u16string_view utf16);
  ComponentStreamWriter& Utf8String(std::u8string_view utf8);
  ComponentStreamWriter& Utf8StringBytes(std::string_view utf8);
  ComponentStreamWriter& Ident(std::string_view name);
  ComponentStreamWriter& Boolean(bool value);
  ComponentStreamWriter& Nil();
  ComponentStreamWriter& Binary(std::span<const std::uint8_t> bytes);
  ComponentStreamWriter& Binary(std::string_view bytes);
  // A set: the element names, then the empty name that ends it.
  ComponentStreamWriter& Set(const std::vector<std::string>& elements);
  // A list: BeginList(), the element values, EndList().
  ComponentStreamWriter& BeginList();
  ComponentStreamWriter& EndList();
  // A collection: BeginCollection(), for each item BeginItem() (with an
  // optional index value), its property entries, EndItem(); then EndCollection().
  ComponentStreamWriter& BeginCollection();
  ComponentStreamWriter& BeginItem(std::optional<std::int32_t> index = {});
  ComponentStreamWriter& EndItem();
  ComponentStreamWriter& EndCollection();

  // --- Raw bytes, for damaged streams ---
  ComponentStreamWriter& Tag(ValueTag tag);
  ComponentStreamWriter& Byte(std::uint8_t byte);
  ComponentStreamWriter& Raw(std::string_view bytes);

  // Everything written so far. The writer can go on being used.
  const std::string& Finish() const { return out_; }
  std::span<const std::uint8_t> Bytes() const;

 private:
  void ShortString(std::string_view bytes);
  void Count(std::size_t count);
  template <typename T>
  void Number(T value);

  std::string out_;
};

}  // namespace resources
