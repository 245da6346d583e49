#include "data/system_collation.h"

#include <windows.h>

#include <array>
#include <vector>

namespace data {

namespace {

// 1251 text as UTF-16 for one call; short texts (every name) stay on the stack.
class WideText {
 public:
  explicit WideText(std::string_view text) {
    const int size = static_cast<int>(text.size());
    wchar_t* out = stack_.data();
    if (text.size() > stack_.size()) {
      heap_.resize(text.size());
      out = heap_.data();
    }
    length_ = size == 0 ? 0 : MultiByteToWideChar(1251, 0, text.data(), size, out, size);
    data_ = out;
  }
  const wchar_t* data() const { return data_; }
  int length() const { return length_; }

 private:
  std::array<wchar_t, 256> stack_;
  std::vector<wchar_t> heap_;
  const wchar_t* data_ = nullptr;
  int length_ = 0;
};

DWORD FlagsFor(CaseMode mode) {
  return mode == CaseMode::kInsensitive ? NORM_IGNORECASE : 0;
}

}  // namespace

SystemCollation::SystemCollation(uint32_t locale) : locale_(locale == 0 ? LOCALE_USER_DEFAULT : locale) {}

int SystemCollation::Compare(std::string_view a, std::string_view b, CaseMode mode) const {
  const WideText wa(a), wb(b);
  const int result = CompareStringW(locale_, FlagsFor(mode), wa.data(), wa.length(), wb.data(), wb.length());
  return result == 0 ? 0 : result - CSTR_EQUAL;  // 1, 2, 3 -> -1, 0, 1
}

std::string SystemCollation::SortKey(std::string_view text, CaseMode mode) const {
  std::string key;
  AppendSortKey(text, mode, key);
  return key;
}

void SystemCollation::AppendSortKey(std::string_view text, CaseMode mode, std::string& out) const {
  const WideText wide(text);
  const DWORD flags = LCMAP_SORTKEY | FlagsFor(mode);
  const size_t start = out.size();
  // One call into a stack buffer covers every name; only a long text asks
  // for its size first.
  std::array<char, 512> stack;
  int size = LCMapStringW(locale_, flags, wide.data(), wide.length(), reinterpret_cast<LPWSTR>(stack.data()),
                          static_cast<int>(stack.size()));
  if (size > 0) {
    out.append(stack.data(), static_cast<size_t>(size));
  } else {
    size = LCMapStringW(locale_, flags, wide.data(), wide.length(), nullptr, 0);
    if (size <= 0) return;
    out.resize(start + static_cast<size_t>(size));
    LCMapStringW(locale_, flags, wide.data(), wide.length(), reinterpret_cast<LPWSTR>(out.data() + start),
                 size);
  }
  // The key ends with a zero byte; keep it out so that byte comparison with
  // "shorter first" sees the levels only.
  while (out.size() > start && out.back() == '\0') out.pop_back();
}

bool SystemCollation::IsInstalledLocale(uint32_t locale) const {
  return locale != 0 && IsValidLocale(locale, LCID_INSTALLED) != FALSE;
}

}  // namespace data
