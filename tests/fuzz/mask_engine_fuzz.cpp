// Random masks, texts, keys, characters and pasted bytes fed to the mask
// engine; after every step the edit state must still be a well-formed
// template of the mask.
//
// Input: [mask length % 32][mask bytes][date separator][time separator],
// then steps, each an operation byte and its operands:
//   0 c        type character c
//   1 k        key-down: key k % 9, Shift/Ctrl/Alt from bits 4..6
//   2 n bytes  paste n % 64 bytes
//   3          cut
//   4 n bytes  set the text to n % 64 bytes (as the program does)
//   5 s e      the platform selects s..e (clamped, as the screen side reports)
//   6 p        place the cursor at p - 128
//   7          read-only on or off
//
// Invariants: the text has exactly place-count characters with every literal
// at its place; the selection and the caret lie within 0..place count; every
// place a user action wrote holds the blank or a character the place
// accepts (a text the program set is not checked, so a place keeps whatever
// it set until the user changes it); the check names a required place;
// reading the value is stable under formatting it again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "search/mask_engine.h"

namespace {

struct Input {
  const uint8_t* data;
  size_t size;
  size_t at = 0;
  bool More() const { return at < size; }
  uint8_t Byte() { return at < size ? data[at++] : 0; }
  std::string_view Bytes(size_t n) {
    const size_t take = n <= size - at ? n : size - at;
    const std::string_view out(reinterpret_cast<const char*>(data + at), take);
    at += take;
    return out;
  }
};

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckState(const search::MaskEngine& m, const search::MaskEditState& s, const std::string& before,
                std::vector<bool>& set_by_program) {
  const int count = m.PlaceCount();
  Check(static_cast<int>(s.text.size()) == count);
  Check(0 <= s.sel_start && s.sel_start <= s.sel_end && s.sel_end <= count);
  Check(0 <= s.caret && s.caret <= count);
  for (int p = 0; p < count; ++p) {
    const char c = s.text[static_cast<size_t>(p)];
    if (m.IsLiteral(p)) {
      Check(c == m.LiteralAt(p));
      continue;
    }
    if (before.size() == s.text.size() && c != before[static_cast<size_t>(p)])
      set_by_program[static_cast<size_t>(p)] = false;
    Check(set_by_program[static_cast<size_t>(p)] || c == m.Blank() || m.Accepts(p, c));
  }
  if (const auto failing = m.FirstFailingPlace(s.text))
    Check(*failing >= 0 && *failing < count && m.IsRequired(*failing));
  const std::string value = m.TextOf(s.text);
  Check(value.size() <= static_cast<size_t>(count));
  Check(m.TextOf(m.Format(value)) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in{data, size};
  const std::string mask(in.Bytes(in.Byte() % 32));
  search::MaskSeparators separators;
  separators.date = static_cast<char>(in.Byte());
  separators.time = static_cast<char>(in.Byte());
  const search::MaskEngine m(mask, separators);
  if (!m.Masked()) return 0;
  search::MaskEditState s;
  s.text = m.BlankText();
  std::vector<bool> set_by_program(static_cast<size_t>(m.PlaceCount()), false);
  CheckState(m, s, s.text, set_by_program);
  for (int steps = 0; in.More() && steps < 256; ++steps) {
    const std::string before = s.text;
    switch (in.Byte() % 8) {
      case 0:
        m.TypeChar(s, static_cast<char>(in.Byte()));
        break;
      case 1: {
        const uint8_t k = in.Byte();
        search::MaskShift shift;
        shift.shift = (k & 0x10) != 0;
        shift.ctrl = (k & 0x20) != 0;
        shift.alt = (k & 0x40) != 0;
        m.KeyDown(s, static_cast<search::MaskKey>(k % 9), shift);
        break;
      }
      case 2:
        m.Paste(s, in.Bytes(in.Byte() % 64));
        break;
      case 3:
        m.Cut(s);
        break;
      case 4: {
        m.SetText(s, in.Bytes(in.Byte() % 64));
        for (int p = 0; p < m.PlaceCount(); ++p) {
          const char c = s.text[static_cast<size_t>(p)];
          set_by_program[static_cast<size_t>(p)] = !m.IsLiteral(p) && c != m.Blank() && !m.Accepts(p, c);
        }
        CheckState(m, s, s.text, set_by_program);
        continue;
      }
      case 5: {
        const int a = in.Byte() % (m.PlaceCount() + 1);
        const int b = in.Byte() % (m.PlaceCount() + 1);
        s.sel_start = a < b ? a : b;
        s.sel_end = a < b ? b : a;
        break;
      }
      case 6:
        m.PlaceCursor(s, static_cast<int>(in.Byte()) - 128);
        break;
      default:
        s.read_only = !s.read_only;
        break;
    }
    CheckState(m, s, before, set_by_program);
  }
  return 0;
}
