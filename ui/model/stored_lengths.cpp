#include "ui/model/stored_lengths.h"

#include <cstdint>
#include <limits>

namespace ui {

namespace {

// `stored` (pixels at the stored density) at the density of `scale`.
std::int32_t Scaled(std::int32_t stored, LengthKind kind, const DpiScale& scale) {
  switch (kind) {
    case LengthKind::kPosition:
      return scale.Position(stored);
    case LengthKind::kPositionOrNone:
      return stored < 0 ? stored : scale.Position(stored);
    case LengthKind::kLength:
      break;
  }
  return scale.Length(stored);
}

// `value`, pixels at `from`, in pixels at `to` (halves away from zero).
std::int32_t CarriedOver(std::int32_t value, LengthKind kind, const DpiScale& from, const DpiScale& to) {
  if (kind == LengthKind::kPositionOrNone && value < 0) return value;
  const std::int64_t product = std::int64_t{value} * to.Dpi();
  const std::int64_t half = from.Dpi() / 2;
  std::int64_t carried = (product >= 0 ? product + half : product - half) / from.Dpi();
  if (kind == LengthKind::kLength && carried == 0 && value != 0) carried = value > 0 ? 1 : -1;
  if (carried > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (carried < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(carried);
}

}  // namespace

StoredLengths::StoredLengths(TForm& form) : form_(form) {
  for (TControl* control : ControlsOf(form_)) {
    Entry& entry = entries_[control];
    control->VisitLengths([&entry](std::int32_t& value, LengthKind) { entry.stored.push_back(value); });
    entry.written = entry.stored;
  }
}

std::vector<TControl*> StoredLengths::ControlsOf(TForm& form) {
  std::vector<TControl*> controls{&form};
  for (base::TComponent* component : form.Components()) {
    if (auto* control = dynamic_cast<TControl*>(component)) controls.push_back(control);
  }
  return controls;
}

void StoredLengths::ScaleTo(const DpiScale& to) {
  if (to == applied_) return;
  for (TControl* control : ControlsOf(form_)) {
    const auto found = entries_.find(control);
    if (found == entries_.end()) continue;
    Entry& entry = found->second;
    std::size_t i = 0;
    std::vector<std::int32_t> written;
    written.reserve(entry.stored.size());
    control->VisitLengths([&](std::int32_t& value, LengthKind kind) {
      // A length the program changed since the last scaling, or one the
      // control did not have when it was loaded, goes in proportion; a
      // changed one is the control's stored value from then on.
      const bool known = i < entry.stored.size();
      if (known && value != entry.written[i])
        entry.stored[i] = CarriedOver(value, kind, applied_, DpiScale{});
      value = known ? Scaled(entry.stored[i], kind, to) : CarriedOver(value, kind, applied_, to);
      written.push_back(value);
      ++i;
    });
    if (written.size() == entry.stored.size()) {
      entry.written = std::move(written);
    } else {
      // The control's lengths are not those it was loaded with (a list of
      // panels that grew): what it holds now, brought back to the stored
      // density, becomes its stored values.
      entry.stored.clear();
      std::size_t j = 0;
      control->VisitLengths([&](std::int32_t&, LengthKind kind) {
        entry.stored.push_back(CarriedOver(written[j++], kind, to, DpiScale{}));
      });
      entry.written = std::move(written);
    }
  }
  applied_ = to;
}

}  // namespace ui
