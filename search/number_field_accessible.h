// NumberFieldAccessible: the masked number field as a reader finds it:
// editable text named by the label above it ("Телефон"), its value the text
// it shows (template places included, "_-__-__" while empty), so a reader
// spells what is typed and what is left.
#pragma once

#include "search/mask_edit.h"
#include "ui/model/accessible.h"

namespace search {

class NumberFieldAccessible final : public ui::AccessibleDescription {
 public:
  explicit NumberFieldAccessible(const TMaskEdit& field) : field_(field) {}
  ui::AccessibleElement Self() const override;

 private:
  const TMaskEdit& field_;
};

}  // namespace search
