// 1251 <-> UTF-16 through the system, with code page 1251 named explicitly
// (Windows build). No best-fit mapping: what 1251 lacks becomes '?'.
#include <windows.h>

#include "text/cp1251.h"

namespace text {

namespace {
constexpr UINT kCodePage = 1251;
}

std::u16string Cp1251ToUtf16(std::string_view cp1251) {
  if (cp1251.empty()) return {};
  const int size = static_cast<int>(cp1251.size());
  std::u16string out(cp1251.size(), u'\0');  // 1251 is one UTF-16 unit per byte
  const int written =
      MultiByteToWideChar(kCodePage, 0, cp1251.data(), size, reinterpret_cast<wchar_t*>(out.data()), size);
  out.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return out;
}

std::string Utf16ToCp1251(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  // Converted in runs between surrogates, so that a pair gives one '?' and an
  // unpaired surrogate one '?', the same as the host table.
  size_t run_start = 0;
  const auto flush = [&](size_t end) {
    if (end <= run_start) return;
    const auto* run = reinterpret_cast<const wchar_t*>(utf16.data() + run_start);
    const int length = static_cast<int>(end - run_start);
    const size_t before = out.size();
    out.resize(before + static_cast<size_t>(length));
    const char replacement = kUnmappable;
    const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, run, length, out.data() + before,
                                            length, &replacement, nullptr);
    out.resize(before + (written > 0 ? static_cast<size_t>(written) : 0));
  };
  for (size_t i = 0; i < utf16.size(); ++i) {
    const char16_t unit = utf16[i];
    if (unit < 0xD800 || unit > 0xDFFF) continue;
    flush(i);
    if (unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) ++i;
    out.push_back(kUnmappable);
    run_start = i + 1;
  }
  flush(utf16.size());
  return out;
}

}  // namespace text
