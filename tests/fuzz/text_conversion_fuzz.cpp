// Arbitrary bytes as UTF-8 and as 1251 text: conversions never read out of
// bounds and keep their documented invariants.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/word_sort_collation.h"
#include "text/cp1251.h"
#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // 1251 -> UTF-8 -> 1251 is the identity for every byte string.
  if (text::Utf8ToCp1251(text::Cp1251ToUtf8(bytes)) != bytes) std::abort();
  // Any bytes as UTF-8: one 1251 byte per decoded code point, never more bytes than input.
  if (text::Utf8ToCp1251(bytes).size() > size) std::abort();
  // UTF-8 from our encoder decodes back to the same UTF-16.
  const std::u16string wide = text::Utf8ToUtf16(bytes);
  if (text::Utf8ToUtf16(text::Utf16ToUtf8(wide)) != wide) std::abort();
  // Both halves as 1251 names: the comparison is antisymmetric and agrees with the keys.
  const data::WordSortCollation collation;
  const std::string_view a = bytes.substr(0, size / 2), b = bytes.substr(size / 2);
  const int c = collation.Compare(a, b, data::CaseMode::kSensitive);
  if (c != -collation.Compare(b, a, data::CaseMode::kSensitive)) std::abort();
  if (c != data::CompareSortKeys(collation.SortKey(a, data::CaseMode::kSensitive),
                                 collation.SortKey(b, data::CaseMode::kSensitive)))
    std::abort();
  return 0;
}
