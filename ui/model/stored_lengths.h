// StoredLengths: the lengths a window's description stores, kept from the
// moment it is loaded, so that the window can be laid out at any screen
// density from them (and again at another, when it moves to a monitor of
// another density).
//
// Each control names its lengths itself (TControl::VisitLengths: place,
// size, font height, and what its class adds: a window's client size, a
// tool window's client area, a docked window's place in its row, a status
// panel's width). ScaleTo() writes every one of them scaled from its stored
// value by ui::DpiScale, so 96 -> 144 -> 120 -> 96 ends exactly where it
// started. A value the program changed since the last scaling (a control
// the user resized, a row position after a drag) is not the stored one any
// more: it is taken back to the stored density and kept as the stored
// value from then on, so what the user did survives the change.
//
// The controls are found again by walking the form's components at each
// scaling: a control that went meanwhile is simply not there, and one made
// at run time (a floating frame) has no stored lengths and is left alone.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "ui/model/dpi_scale.h"
#include "ui/model/form.h"

namespace ui {

class StoredLengths {
 public:
  // Keeps the values `form` and the controls it owns hold now: those its
  // description gave, at the stored density.
  explicit StoredLengths(TForm& form);

  // Writes every length scaled to `to` (see the file comment). Nothing
  // changes when `to` is the density already applied.
  void ScaleTo(const DpiScale& to);
  // The density the lengths were last scaled to (the stored one at first).
  const DpiScale& Applied() const { return applied_; }

 private:
  struct Entry {
    std::vector<std::int32_t> stored;
    std::vector<std::int32_t> written;  // what the last scaling wrote
  };
  static std::vector<TControl*> ControlsOf(TForm& form);

  TForm& form_;
  DpiScale applied_;
  std::unordered_map<const TControl*, Entry> entries_;
};

}  // namespace ui
