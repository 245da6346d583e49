// Sections: parsing the mask; places and characters; formatting, reading and
// checking; editing (typed characters, key-down keys, paste, cut, delete).
#include "search/mask_engine.h"

#include <algorithm>
#include <cassert>

#include "text/case_map.h"

namespace search {

namespace {

constexpr char kEscape = '\x1b';
constexpr char kEnter = '\r';
constexpr char kBackspace = '\b';
// Ctrl+C, Ctrl+V, Ctrl+X: the platform copies, pastes and cuts (and then
// asks the engine for paste and cut).
constexpr char kCopyKey = '\x03';
constexpr char kPasteKey = '\x16';
constexpr char kCutKey = '\x18';

bool IsPlaceSymbol(char c) {
  switch (c) {
    case '0':
    case '9':
    case '#':
    case 'L':
    case 'l':
    case 'A':
    case 'a':
    case 'C':
    case 'c':
      return true;
    default:
      return false;
  }
}

bool IsRequiredSymbol(char c) {
  return c == '0' || c == 'L' || c == 'A' || c == 'C';
}

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

// A letter of 1251: every character with a case partner, and the micro sign.
bool IsLetter(unsigned char c) {
  return text::LowerCp1251Byte(c) != c || text::UpperCp1251Byte(c) != c || c == 0xB5;
}

// The effect of a key or request that the platform edit box handles itself.
MaskEffect PassedOn() {
  MaskEffect effect;
  effect.handled = false;
  return effect;
}

// Runs an editing operation on `state` and reports, by comparison with the
// state before, whether the text and the selection changed.
template <typename Operation>
MaskEffect Tracked(const MaskEngine& engine, MaskEditState& state, Operation operation) {
  const MaskEditState before = state;
  MaskEffect effect = operation();
  assert(engine.KeepsInvariants(state));
  (void)engine;
  effect.text_changed = state.text != before.text;
  effect.selection_changed =
      state.sel_start != before.sel_start || state.sel_end != before.sel_end || state.caret != before.caret;
  return effect;
}

}  // namespace

// --- Parsing the mask ---

MaskEngine::MaskEngine(std::string_view edit_mask, MaskSeparators separators) : edit_mask_(edit_mask) {
  const size_t n = edit_mask.size();
  // Which characters a backslash makes literal (a backslash made literal
  // escapes nothing).
  std::vector<bool> escaped(n, false);
  for (size_t i = 0; i + 1 < n; ++i) {
    if (edit_mask[i] == '\\' && !escaped[i]) escaped[i + 1] = true;
  }
  // The fields: opened by the first ";" within the last four characters.
  size_t mask_end = n;
  for (size_t i = n >= 4 ? n - 4 : 0; i < n; ++i) {
    if (edit_mask[i] == ';' && !escaped[i]) {
      mask_end = i;
      break;
    }
  }
  if (mask_end < n) {
    size_t at = mask_end + 1;
    if (at < n && edit_mask[at] != ';') save_literals_ = edit_mask[at++] != '0';
    if (at < n && edit_mask[at] == ';' && ++at < n) blank_ = edit_mask[at];
  }

  Case letter_case = Case::kKeep;
  for (size_t i = 0; i < mask_end; ++i) {
    const char c = edit_mask[i];
    if (c == '\\') {
      if (i + 1 < mask_end) cells_.push_back({edit_mask[++i], Kind::kLiteral, Case::kKeep});
    } else if (c == '!') {
      reversed_ = true;
    } else if (c == '>') {
      letter_case = Case::kUpper;
    } else if (c == '<') {
      if (i + 1 < mask_end && edit_mask[i + 1] == '>') {
        letter_case = Case::kKeep;
        ++i;
      } else {
        letter_case = Case::kLower;
      }
    } else if (IsPlaceSymbol(c)) {
      cells_.push_back({c, IsRequiredSymbol(c) ? Kind::kRequired : Kind::kOptional, letter_case});
    } else if (c == '/') {
      cells_.push_back({separators.date, Kind::kLiteral, Case::kKeep});
    } else if (c == ':') {
      cells_.push_back({separators.time, Kind::kLiteral, Case::kKeep});
    } else {
      cells_.push_back({c, Kind::kLiteral, Case::kKeep});
    }
  }
}

// --- Places and characters ---

bool MaskEngine::KeepsInvariants(const MaskEditState& state) const {
  if (!Masked()) return true;
  const int count = PlaceCount();
  if (state.text.size() != static_cast<size_t>(count)) return false;
  for (int p = 0; p < count; ++p) {
    if (IsLiteral(p) && state.text[static_cast<size_t>(p)] != LiteralAt(p)) return false;
  }
  return 0 <= state.sel_start && state.sel_start <= state.sel_end && state.sel_end <= count &&
         0 <= state.caret && state.caret <= count;
}

bool MaskEngine::Accepts(int place, char c) const {
  const Cell& cell = CellAt(place);
  const auto u = static_cast<unsigned char>(c);
  if (cell.kind == Kind::kLiteral || u < 0x20 || u == 0x7F) return false;
  switch (cell.symbol) {
    case '0':
    case '9':
      return IsDigit(u);
    case '#':
      return IsDigit(u) || c == ' ' || c == '+' || c == '-';
    case 'L':
    case 'l':
      return IsLetter(u);
    case 'A':
    case 'a':
      return IsLetter(u) || IsDigit(u);
    default:  // C, c
      return true;
  }
}

char MaskEngine::Stored(int place, char c) const {
  const auto u = static_cast<unsigned char>(c);
  switch (cells_[static_cast<size_t>(place)].letter_case) {
    case Case::kUpper:
      return static_cast<char>(text::UpperCp1251Byte(u));
    case Case::kLower:
      return static_cast<char>(text::LowerCp1251Byte(u));
    case Case::kKeep:
      break;
  }
  return c;
}

int MaskEngine::EditableFrom(int place) const {
  int p = std::max(place, 0);
  while (p < PlaceCount() && IsLiteral(p)) ++p;
  return std::min(p, PlaceCount());
}

std::optional<int> MaskEngine::EditableBefore(int place) const {
  for (int p = std::min(place, PlaceCount()) - 1; p >= 0; --p) {
    if (!IsLiteral(p)) return p;
  }
  return std::nullopt;
}

// --- Formatting, reading and checking ---

std::string MaskEngine::BlankText() const {
  return FormatWith({}, blank_, false);
}

std::string MaskEngine::Format(std::string_view text) const {
  return FormatWith(text, blank_, save_literals_);
}

std::string MaskEngine::FormatWith(std::string_view text, char blank, bool aligned) const {
  const size_t count = cells_.size();
  std::string out(count, blank);
  if (!reversed_) {
    size_t from = 0;
    for (size_t i = 0; i < count; ++i) {
      const Cell& cell = cells_[i];
      if (cell.kind == Kind::kLiteral) {
        out[i] = cell.symbol;
        if (aligned && from < text.size() && text[from] == cell.symbol) ++from;
      } else if (from < text.size()) {
        out[i] = text[from++];
      }
    }
  } else {
    size_t rest = text.size();  // characters of `text` not yet placed, taken from its end
    for (size_t i = count; i-- > 0;) {
      const Cell& cell = cells_[i];
      if (cell.kind == Kind::kLiteral) {
        out[i] = cell.symbol;
        if (aligned && rest > 0 && text[rest - 1] == cell.symbol) --rest;
      } else if (rest > 0) {
        out[i] = text[--rest];
      }
    }
  }
  return out;
}

std::string MaskEngine::TextOf(std::string_view edit_text) const {
  if (!Masked()) return std::string(edit_text);
  const std::string value = ValueOf(edit_text);
  return save_literals_ ? FormatWith(value, ' ', false) : value;
}

std::string MaskEngine::ValueOf(std::string_view edit_text) const {
  if (!Masked()) return std::string(edit_text);
  std::string value;
  for (int p = 0; p < PlaceCount(); ++p) {
    if (!IsLiteral(p))
      value += static_cast<size_t>(p) < edit_text.size() ? edit_text[static_cast<size_t>(p)] : blank_;
  }
  if (!reversed_) {
    while (!value.empty() && value.back() == blank_) value.pop_back();
  } else {
    value.erase(0, std::min(value.find_first_not_of(blank_), value.size()));
  }
  if (blank_ != ' ') std::replace(value.begin(), value.end(), blank_, ' ');
  return value;
}

std::optional<int> MaskEngine::FirstFailingPlace(std::string_view edit_text) const {
  for (int p = 0; p < PlaceCount(); ++p) {
    if (!IsRequired(p)) continue;
    const char c = static_cast<size_t>(p) < edit_text.size() ? edit_text[static_cast<size_t>(p)] : blank_;
    if (c == blank_ || (c == ' ' && cells_[static_cast<size_t>(p)].symbol != 'C')) return p;
  }
  return std::nullopt;
}

// --- Editing ---

void MaskEngine::PlaceCursor(MaskEditState& state, int place) const {
  const int p = std::max(place, 0);
  if (p >= PlaceCount()) {
    state.sel_start = state.sel_end = state.caret = PlaceCount();
  } else {
    state.sel_start = state.caret = p;
    state.sel_end = p + 1;
  }
}

void MaskEngine::CheckCursor(MaskEditState& state) const {
  if (state.sel_start == state.sel_end) PlaceCursor(state, state.sel_start);
}

void MaskEngine::SelectAll(MaskEditState& state) const {
  state.sel_start = 0;
  state.sel_end = static_cast<int>(state.text.size());
}

void MaskEngine::BlankRange(std::string& text, int from, int to) const {
  for (int p = std::max(from, 0); p < std::min(to, PlaceCount()); ++p) {
    text[static_cast<size_t>(p)] = IsLiteral(p) ? LiteralAt(p) : blank_;
  }
}

MaskEffect MaskEngine::SetText(MaskEditState& state, std::string_view text) const {
  return Tracked(*this, state, [&] {
    std::string formatted = Masked() ? Format(text) : std::string(text);
    if (formatted == state.text) return MaskEffect{};
    state.text = std::move(formatted);
    state.modified = false;
    if (Masked()) {
      PlaceCursor(state, 0);
    } else {
      state.sel_start = state.sel_end = state.caret = 0;
    }
    return MaskEffect{};
  });
}

MaskEffect MaskEngine::TypeChar(MaskEditState& state, char c) const {
  assert(KeepsInvariants(state));
  return Tracked(*this, state, [&] {
    MaskEffect effect;
    if (!Masked() || c == kCopyKey || c == kPasteKey || c == kCutKey) return PassedOn();
    if (c == kEscape) {
      effect.request = MaskRequest::kReset;
      return effect;
    }
    if (state.read_only || c == kBackspace) return effect;
    if (c == kEnter) {
      effect.request = MaskRequest::kCheck;
      return effect;
    }
    if (state.sel_end - state.sel_start > 1) {
      Delete(state);  // leaves the cursor on the first editable place of the selection
    } else {
      CheckCursor(state);
    }
    // The character is tested at the cursor's place: the end and a literal
    // place take none.
    const int place = state.sel_start;
    if (place >= PlaceCount() || IsLiteral(place)) {
      effect.beep = true;
      return effect;
    }
    if (Accepts(place, c)) {
      state.text[static_cast<size_t>(place)] = Stored(place, c);
      state.modified = true;
      PlaceCursor(state, EditableFrom(place + 1));
      return effect;
    }
    // Refused: the next literal after the place, typed on purpose, moves past it.
    for (int p = place + 1; p < PlaceCount(); ++p) {
      if (!IsLiteral(p)) continue;
      if (LiteralAt(p) == c) {
        PlaceCursor(state, p + 1);
        return effect;
      }
      break;
    }
    effect.beep = true;
    return effect;
  });
}

MaskEffect MaskEngine::Delete(MaskEditState& state) const {
  assert(KeepsInvariants(state));
  return Tracked(*this, state, [&] {
    const int width = state.sel_end - state.sel_start;
    if (!Masked()) return PassedOn();
    if (state.read_only || width < 1) return MaskEffect{};
    BlankRange(state.text, state.sel_start, state.sel_end);
    state.modified = true;
    PlaceCursor(state, width == 1 ? state.sel_start : EditableFrom(state.sel_start));
    return MaskEffect{};
  });
}

MaskEffect MaskEngine::Cut(MaskEditState& state) const {
  assert(KeepsInvariants(state));
  return Tracked(*this, state, [&] {
    if (!Masked()) return PassedOn();
    std::optional<std::string> copied;
    if (state.sel_end > state.sel_start) {
      copied = state.text.substr(static_cast<size_t>(state.sel_start),
                                 static_cast<size_t>(state.sel_end - state.sel_start));
    }
    MaskEffect effect = Delete(state);
    effect.clipboard = std::move(copied);
    return effect;
  });
}

MaskEffect MaskEngine::Paste(MaskEditState& state, std::string_view clipboard) const {
  assert(KeepsInvariants(state));
  return Tracked(*this, state, [&] {
    if (!Masked()) return PassedOn();
    if (state.read_only) return MaskEffect{};
    BlankRange(state.text, state.sel_start, state.sel_end);
    int place = state.sel_start;
    size_t from = 0;
    for (; place < PlaceCount() && from < clipboard.size(); ++place) {
      const char c = clipboard[from];
      if (IsLiteral(place)) {
        if (c == LiteralAt(place)) ++from;
        continue;
      }
      state.text[static_cast<size_t>(place)] = Accepts(place, c) ? Stored(place, c) : blank_;
      ++from;
    }
    state.modified = false;
    PlaceCursor(state, place);
    return MaskEffect{};
  });
}

void MaskEngine::ShiftArrow(MaskEditState& state, int step) const {
  // The platform's rule: the active end moves, the anchor stays. The
  // one-place cursor has its caret before the place and its anchor after it,
  // so Shift+Right from it leaves nothing selected after the place.
  const int anchor = state.Anchor();
  const int active = std::clamp(state.Active() + step, 0, PlaceCount());
  state.sel_start = std::min(anchor, active);
  state.sel_end = std::max(anchor, active);
  state.caret = active;
}

MaskEffect MaskEngine::KeyDown(MaskEditState& state, MaskKey key, MaskShift shift) const {
  assert(KeepsInvariants(state));
  return Tracked(*this, state, [&] {
    if (!Masked() || shift.alt) return PassedOn();
    const int start = state.sel_start;
    const int width = state.sel_end - state.sel_start;
    switch (key) {
      case MaskKey::kLeft:
      case MaskKey::kRight:
        if (shift.ctrl) return PassedOn();
        if (shift.shift) {
          ShiftArrow(state, key == MaskKey::kLeft ? -1 : 1);
        } else if (width > 1) {
          PlaceCursor(state, state.sel_end == state.caret ? state.caret - 1 : state.caret);
        } else if (key == MaskKey::kLeft) {
          PlaceCursor(state, EditableBefore(start).value_or(start));
        } else {
          PlaceCursor(state, width == 0 ? start : EditableFrom(start + 1));
        }
        break;
      case MaskKey::kUp:
      case MaskKey::kDown:
        break;
      case MaskKey::kHome:
        if (shift.shift) {
          state.sel_start = state.caret = 0;
          CheckCursor(state);
        } else {
          PlaceCursor(state, 0);
        }
        break;
      case MaskKey::kEnd:
        if (shift.shift) {
          state.sel_end = state.caret = PlaceCount();
          CheckCursor(state);
        } else {
          PlaceCursor(state, PlaceCount());
        }
        break;
      case MaskKey::kDelete:
        return shift.shift && !shift.ctrl ? Cut(state) : Delete(state);
      case MaskKey::kBackspace:
        if (width <= 1) {
          const std::optional<int> before = EditableBefore(start);
          if (state.read_only || !before) break;
          PlaceCursor(state, *before);
        }
        return Delete(state);
      case MaskKey::kOther:
        CheckCursor(state);
        return PassedOn();
    }
    return MaskEffect{};
  });
}

}  // namespace search
