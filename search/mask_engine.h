// MaskEngine: the rules of an edit mask, without a window. It parses a mask
// such as "0-00-00;0;_", formats texts into its template, reads the value
// back, checks it, and applies the user's keys, typed characters and pasted
// text to an edit state (MaskEditState: displayed text, selection, caret
// place, modified flag). Each operation reports what the screen must do
// (MaskEffect): beep, show the new text or selection, put text on the
// clipboard, or leave the key to the platform edit box.
//
// Mask grammar
//   mask characters, then optionally ";S" (save literals) and ";B" (blank
//   character). A ";" opens a field only within the last four characters of
//   the mask (and not after a backslash); the character after it is the
//   field's value. S = "0": the value leaves the literals out; anything else
//   (or no field): it keeps them. B: the character shown in empty places
//   (default "_").
//
//   0  required digit          9  optional digit
//   #  optional digit, blank, "+" or "-"
//   L  required letter         l  optional letter
//   A  required letter/digit   a  optional letter/digit
//   C  required character      c  optional character
//   !  (anywhere) the value drops empty places at its start instead of its
//      end, and formatting fills from the right
//   >  later letters are turned into capitals; <  into small letters;
//      <> ends both
//   \  the next mask character is a literal
//   /  literal: the date separator     :  literal: the time separator
//   anything else: a literal shown as it stands
//   Directives and the two fields take no place in the template.
//
// Places are the cells of the template, 0 to PlaceCount() - 1; a place is
// either a literal or editable (required or optional). Letters are those of
// Windows-1251 (Latin and Cyrillic). No place accepts a control character
// (below 0x20, or 0x7F), so a template never holds one that the user typed
// or pasted. Double-byte character sets are not handled: text is 1251.
//
// The one-place cursor is a selection of the one place at `caret`; at or
// beyond the place count it is the caret at the end with nothing selected.
//
// How keys and characters are answered (s, e: selection start and end;
// "cursor p": the one-place cursor placed at p; prev/next: the previous or
// next editable place, literals skipped). A modifying action sets the
// modified flag; read-only blocks every modifying action.
//
//   event            | nothing selected (s == e) | one place (e == s+1)    | more (e > s+1)
//   -----------------+---------------------------+-------------------------+--------------------------
//   char Esc         | request reset             | same                    | same
//   char Enter       | request check             | same                    | same
//   char Backspace   | nothing (key-down does it)| same                    | same
//   char ^C ^V ^X    | to the platform           | same                    | same
//   other char c     | at s < count as one place;| s a literal: beep; c   | places blanked, cursor on
//                    | at the end: beep          | fits place s: written,  | next from s, then as one
//                    |                           | cursor next; else c is  | place (a refused c still
//                    |                           | the next literal: cursor| leaves them blank)
//                    |                           | after it; else beep     |
//   Left             | cursor prev(s)            | cursor prev(s)          | cursor at caret (one back
//   Right            | cursor s                  | cursor next(s)          |   when the caret is at e)
//   Shift+Left/Right | the active end moves one place (platform rule; the one-place cursor's active
//                    | end is before its place): caret follows it, 0..count
//   Ctrl+Left/Right  | to the platform           | same                    | same
//   Alt+any key      | to the platform           | same                    | same
//   Up, Down         | swallowed                 | same                    | same
//   Home / End       | cursor 0 / caret at the end, nothing selected
//   Shift+Home       | select 0..e, caret 0      | same                    | same
//   Shift+End        | select s..count, caret at the end
//   Delete           | nothing                   | place blanked, cursor s | places blanked, cursor on
//                    |                           |                         |   next editable from s
//   Shift+Delete     | cut: the selection goes to the clipboard, then as Delete (Ctrl+Delete: as Delete)
//   Backspace        | cursor prev(s), that place blanked (nothing without | as Delete
//                    |   an editable place before s)                       |
//   other key        | cursor s; to the platform | to the platform         | to the platform
//   paste text t     | the selection blanked, t fed through the mask from s (a literal place takes
//                    | its literal, consuming t's character only when it is that literal; a refused
//                    | character becomes blank), up to the end; cursor after the last place written;
//                    | the text counts as replaced by the program: not modified
//
// A character typed at a literal place (where paste or a selection can leave
// the cursor) is refused like any character its place does not take.
#pragma once

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace search {

// What "/" and ":" of a mask show: the locale's date and time separators.
struct MaskSeparators {
  char date = '/';
  char time = ':';
};

// The state of a masked edit box that the engine reads and changes.
// Invariants kept by every operation on a masked engine: text has exactly
// PlaceCount() characters with each literal at its place; 0 <= sel_start <=
// sel_end <= PlaceCount(); 0 <= caret <= PlaceCount().
struct MaskEditState {
  std::string text;   // the displayed text (edit text)
  int sel_start = 0;  // the selection, start <= end
  int sel_end = 0;
  int caret = 0;  // the remembered caret place; the active end of a selection when at one of its ends
  bool modified = false;
  bool read_only = false;

  // The end the selection is held at and the end the caret shows at (as a
  // platform edit box's "set selection from anchor to active end").
  int Anchor() const { return caret == sel_start && sel_start != sel_end ? sel_end : sel_start; }
  int Active() const { return caret == sel_start && sel_start != sel_end ? sel_start : sel_end; }
  // Whether the selection is the one-place cursor (one place, caret at its start).
  bool ShowsCursor() const { return sel_end == sel_start + 1 && caret == sel_start; }
};

// What the engine asks of the field that owns the state.
enum class MaskRequest : std::uint8_t {
  kNone,
  kReset,  // Esc: return to the old value if modified
  kCheck,  // Enter: check the current text
};

// What an operation did and what the screen must do about it.
struct MaskEffect {
  bool handled = true;             // false: the platform edit box gets the key unchanged
  bool beep = false;               // sound the default system beep
  bool text_changed = false;       // state.text was replaced or changed
  bool selection_changed = false;  // sel_start/sel_end/caret changed
  MaskRequest request = MaskRequest::kNone;
  std::optional<std::string> clipboard;  // text to put on the clipboard (cut)
};

// The keys of the key-down table; everything else is kOther.
enum class MaskKey : std::uint8_t { kLeft, kRight, kUp, kDown, kHome, kEnd, kDelete, kBackspace, kOther };

struct MaskShift {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class MaskEngine {
 public:
  // Parses `edit_mask` (any text: an odd mask gives an odd but well-formed
  // template, never a failure).
  explicit MaskEngine(std::string_view edit_mask = {}, MaskSeparators separators = {});

  const std::string& EditMask() const { return edit_mask_; }
  // Whether the mask text is not empty (a mask of directives alone is
  // masked, with no places).
  bool Masked() const { return !edit_mask_.empty(); }
  int PlaceCount() const { return static_cast<int>(cells_.size()); }
  bool SavesLiterals() const { return save_literals_; }
  char Blank() const { return blank_; }
  bool Reversed() const { return reversed_; }

  // For 0 <= place < PlaceCount(): whether the place is a literal, required.
  bool IsLiteral(int place) const { return CellAt(place).kind == Kind::kLiteral; }
  bool IsRequired(int place) const { return CellAt(place).kind == Kind::kRequired; }
  // The literal shown at a literal place (0 <= place < PlaceCount()).
  char LiteralAt(int place) const { return CellAt(place).symbol; }
  // Whether an editable place accepts `c` as typed (before any case change);
  // false for literal places. 0 <= place < PlaceCount().
  bool Accepts(int place, char c) const;
  // Whether `state` is one that the editing operations take and keep (the
  // invariants of MaskEditState); always true for an unmasked engine.
  bool KeepsInvariants(const MaskEditState& state) const;

  // The empty template: literals at their places, the blank elsewhere.
  std::string BlankText() const;
  // `text` formatted into the template: literals inserted at their places,
  // the blank character in places the text does not reach (from the right
  // with "!"); characters beyond the template are dropped. For a mask that
  // saves literals, a literal already standing at its place in `text` is
  // taken as that literal, so a saved value formats back to itself. The
  // characters are not checked. Always PlaceCount() characters.
  std::string Format(std::string_view text) const;
  // The value of a displayed text (`Text`): literals out, blanks dropped at
  // the end (at the start with "!"), other blank characters read as blanks,
  // and with saved literals formatted again with blanks in empty places.
  // `edit_text` shorter than the template reads as if blank-filled.
  std::string TextOf(std::string_view edit_text) const;
  // The same without the literals even when the mask saves them: what a
  // change of mask carries over into the new template.
  std::string ValueOf(std::string_view edit_text) const;
  // The first required place that is empty (the blank character, or a blank
  // except at a "C" place), or nothing when the text passes.
  std::optional<int> FirstFailingPlace(std::string_view edit_text) const;

  // --- Editing; `state` must keep the invariants of MaskEditState (its text
  // a template of this mask), except for SetText, which makes the template. ---

  // Replaces the whole text with `text` formatted (the program setting
  // `Text`): when the result differs, the text is replaced, the field is no
  // longer modified and the cursor goes to place 0. Never checks the text.
  MaskEffect SetText(MaskEditState& state, std::string_view text) const;
  // A character key (after the field's key-press handler).
  MaskEffect TypeChar(MaskEditState& state, char c) const;
  // A key-down of the table above.
  MaskEffect KeyDown(MaskEditState& state, MaskKey key, MaskShift shift) const;
  // The platform's paste with `clipboard` as its text.
  MaskEffect Paste(MaskEditState& state, std::string_view clipboard) const;
  // The platform's cut: the selection to the clipboard, then deleted.
  MaskEffect Cut(MaskEditState& state) const;
  // The selected places blanked (Delete, or the platform's clear).
  MaskEffect Delete(MaskEditState& state) const;
  // The one-place cursor at `place` (below 0: 0; at or beyond the count:
  // the caret at the end).
  void PlaceCursor(MaskEditState& state, int place) const;
  // With nothing selected, the one-place cursor at the caret.
  void CheckCursor(MaskEditState& state) const;
  // The whole text selected.
  void SelectAll(MaskEditState& state) const;

 private:
  enum class Kind : std::uint8_t { kLiteral, kRequired, kOptional };
  enum class Case : std::uint8_t { kKeep, kUpper, kLower };
  struct Cell {
    char symbol = 0;  // the mask character of a place, the shown character of a literal
    Kind kind = Kind::kLiteral;
    Case letter_case = Case::kKeep;
  };

  const Cell& CellAt(int place) const {
    assert(place >= 0 && place < PlaceCount());
    return cells_[static_cast<size_t>(place)];
  }
  // The first editable place at or after `place`, or the count.
  int EditableFrom(int place) const;
  // The last editable place before `place`, or nothing.
  std::optional<int> EditableBefore(int place) const;
  // `c` as stored at an editable place (case directives applied).
  char Stored(int place, char c) const;
  // Restores literals and blanks the editable places of [from, to).
  void BlankRange(std::string& text, int from, int to) const;
  // `text` into the template; `aligned`: literals may stand in the text already.
  std::string FormatWith(std::string_view text, char blank, bool aligned) const;
  void ShiftArrow(MaskEditState& state, int step) const;

  std::string edit_mask_;
  std::vector<Cell> cells_;
  bool save_literals_ = true;
  char blank_ = '_';
  bool reversed_ = false;
};

}  // namespace search
