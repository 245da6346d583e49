// TTBItem: a toolbar or menu command with a caption and a click handler.
// Items are components but not controls: the one whose record held an item
// is its parent item or toolbar, and its children are its menu.
//
// An item with `auto_check` set flips `checked` each time it is run (see
// chosen_item_runner.h). `checked` is what a menu shows as the item's check mark;
// items that mirror something else (a visibility toggle) refresh it in the
// item-update pass, UpdateItems(), which a view runs on a menu's items each
// time that menu opens.
#pragma once

#include <span>
#include <string>

#include "base/component.h"
#include "resources/class_info.h"
#include "ui/model/control.h"
#include "ui/model/dpi_scale.h"

namespace app {

class TTBItem : public base::TComponent {
 public:
  using TComponent::TComponent;

  std::string caption;
  bool auto_check = false;
  bool checked = false;
  ui::TNotifyEvent on_click;

  // What choosing the item does: the click handler. Running a chosen item
  // (the auto-check flip first) is chosen_item_runner.h's business.
  virtual void Click() { on_click(this); }
  // Refreshes what the item shows from what it mirrors; the default mirrors
  // nothing.
  virtual void UpdateState() {}

  // The toolbar or submenu whose record held this item.
  base::TComponent* ParentComponent() const { return parent_; }
  void SetParentComponent(base::TComponent* parent) override { parent_ = parent; }

  const char* ClassName() const override { return "TTBItem"; }
  static const resources::ClassInfo& Class();

 private:
  base::TComponent* parent_ = nullptr;
};

// A text item's space around its text.
inline constexpr int kTextItemMarginWidth = 12;
inline constexpr int kTextItemMarginHeight = 9;

struct ItemSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const ItemSize&, const ItemSize&) = default;
};

// An item showing only text, on a bar or as a drop-down's row: (text width +
// 12) x (text height + 9), the text measured in the font of the screen's
// density and the margins scaled to it (`scale`).
ItemSize TextItemSize(int text_width, int text_height, const ui::DpiScale& scale = {});

// The item-update pass: UpdateState() on each of `items` (null entries are
// skipped). A view calls it on a menu's items each time the menu opens.
void UpdateItems(std::span<TTBItem* const> items);

}  // namespace app
