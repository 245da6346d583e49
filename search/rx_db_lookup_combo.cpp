#include "search/rx_db_lookup_combo.h"

#include <algorithm>
#include <cassert>
#include <climits>

namespace search {

namespace {

constexpr resources::NamedValue kDropDownAlignNames[] = {{"daLeft", 0}, {"daRight", 1}, {"daCenter", 2}};

}  // namespace

base::Rect PlaceDropDown(const base::Rect& picker, int32_t width, int32_t height, TDropDownAlign align,
                         const base::Rect& screen) {
  int32_t left = picker.left;
  if (align == TDropDownAlign::daRight) {
    left = picker.right - width;
  } else if (align == TDropDownAlign::daCenter) {
    left = picker.left + (picker.Width() - width) / 2;
  }
  int32_t top = picker.bottom;
  if (top + height > screen.bottom) top = picker.top - height;
  if (left + width > screen.right) left = screen.right - width;
  left = std::max(left, screen.left);
  return {left, top, left + width, top + height};
}

PickerLayout LayoutPicker(int32_t width, int32_t height, int32_t button_width, const ui::DpiScale& scale) {
  const int32_t margin = scale.Length(1);
  const base::Rect inner{margin, margin, std::max(margin, width - margin), std::max(margin, height - margin)};
  PickerLayout layout;
  layout.text_indent = scale.Length(layout.text_indent);
  layout.button = {std::max(inner.left, inner.right - button_width), inner.top, inner.right, inner.bottom};
  layout.text = {inner.left, inner.top, layout.button.left, inner.bottom};
  return layout;
}

int32_t LeastPickerHeight(int32_t char_height, int32_t border, const ui::DpiScale& scale) {
  return std::max(char_height, 0) + 2 * std::max(border, 0) + scale.Length(3);
}

void TRxDBLookupCombo::FitHeightToFont(int32_t char_height, int32_t border, const ui::DpiScale& scale) {
  const int32_t least = LeastPickerHeight(char_height, border, scale);
  if (height < least) SetBounds(left, top, width, least);
}

TRxDBLookupCombo::TRxDBLookupCombo(base::TComponent* owner)
    : TRxLookupControl(owner, LookupPart::kPicker), list_(std::make_unique<TRxPopupDataList>(nullptr)) {
  tab_stop = true;
  list_->on_close_request = [this](bool accept) { CloseUp(accept); };
}

TRxDBLookupCombo::~TRxDBLookupCombo() {
  list_->on_close_request = nullptr;
  list_->SetPlatform(nullptr);
}

void TRxDBLookupCombo::SetPlatform(LookupPlatform* platform) {
  TRxLookupControl::SetPlatform(platform);
  list_->SetPlatform(platform);
}

std::string TRxDBLookupCombo::ShownText() {
  if (!ListVisible()) return text_;
  if (!list_->SearchText().empty()) return list_->SearchText();
  if (list_->ValueIsEmpty(list_->Value())) return display_empty;
  if (list_->CurrentKeyText() == list_->Value()) return list_->CurrentDisplayText(display_all_fields);
  return text_;
}

void TRxDBLookupCombo::UpdateText() {
  text_ = ValueIsEmpty(Value()) ? display_empty : DisplayValue();
}

void TRxDBLookupCombo::ValueChanged() {
  UpdateText();
  Invalidate();
  on_click(this);
  on_change(this);
}

void TRxDBLookupCombo::ListLinkActiveChanged() {
  TRxLookupControl::ListLinkActiveChanged();
  if (!ListActive()) {
    CloseUp(false);
  } else if (!ValueIsEmpty(Value())) {
    LocateValue();  // the display value from the table as it is now
  }
  UpdateText();
}

void TRxDBLookupCombo::ListLinkDataChanged() {
  if (ListVisible()) Invalidate();
}

int32_t TRxDBLookupCombo::ListWidth(const LookupGeometry& geometry) const {
  const int32_t picker = geometry.picker_window.Width() > 0 ? geometry.picker_window.Width() : width;
  if (drop_down_width > 0) return drop_down_width;
  if (drop_down_width == 0) return picker;
  int64_t wanted = geometry.metrics.scroll_bar_width;
  for (const data::TField* field : DisplayFields()) {
    const int32_t chars = field->DisplayWidth > 0 ? field->DisplayWidth : field->Size();
    wanted += FixedColumnWidth(chars, geometry.metrics.char_width, geometry.scale);
  }
  wanted = std::max<int64_t>(wanted, picker);
  if (geometry.screen.Width() > 0) wanted = std::min<int64_t>(wanted, geometry.screen.Width());
  return static_cast<int32_t>(std::min<int64_t>(wanted, INT32_MAX));
}

void TRxDBLookupCombo::DropDown() {
  if (ListVisible() || !CanModify()) return;
  on_drop_down(this);
  if (ListVisible() || !CanModify()) return;  // the handler may have changed things
  const LookupGeometry geometry = platform_ ? platform_->Geometry() : LookupGeometry{};
  list_metrics_ = geometry.metrics;

  TRxPopupDataList& list = *list_;
  list.color = color;
  list.font.Assign(EffectiveFont());
  list.parent_font = false;
  list.item_height = item_height;
  list.read_only = !CanModify();
  list.empty_value = empty_value;
  list.display_empty = display_empty;
  list.empty_item_color = empty_item_color;
  list.lookup_field = lookup_field;
  list.lookup_display = lookup_display;
  list.lookup_display_index = lookup_display_index;
  list.list_style = list_style;
  list.fields_delimiter = fields_delimiter;
  list.ignore_case = ignore_case;
  list.index_switch = index_switch;
  list.SetRowHeight(std::max(geometry.metrics.font_height, geometry.scale.Length(item_height)));
  list.SetScale(geometry.scale);
  list.SetRowCount(drop_down_count);

  // The list's window of rows grows around the current record, then the
  // picker's value is selected in it.
  list.SetLookupSource(lookup_link_.DataSource());
  list.SelectValue(Value());

  const int32_t border = std::max(0, geometry.metrics.list_border);
  const int32_t list_width = ListWidth(geometry);
  const int32_t list_height = list.ClientHeight() + 2 * border;
  list_rect_ =
      PlaceDropDown(geometry.picker_window, list_width, list_height, drop_down_align, geometry.screen);
  list.width = list_width;
  list.height = list_height;
  const int32_t scroll_bar = list.ScrollBarVisible() ? geometry.metrics.scroll_bar_width : 0;
  list.SetClientWidth(std::max(0, list_width - 2 * border - scroll_bar));

  if (platform_) platform_->ShowList(list_rect_);
  SetState(Tracking() ? PickerState::kHeld : PickerState::kOpen);
  Invalidate();
}

void TRxDBLookupCombo::CloseUp(bool accept) {
  if (!ListVisible()) return;
  SetState(PickerState::kOpen);
  list_->CancelTracking();
  if (platform_) platform_->ReleaseMouse();

  const std::string list_value = list_->Value();
  if (platform_) platform_->HideList();
  SetState(PickerState::kClosed);
  list_->SetLookupSource(nullptr);
  list_->ClearSearchText();
  search_text_.clear();
  Invalidate();

  if (accept && CanModify() && list_value != Value()) SetValue(list_value);
  if (!focused_ && visible && enabled && platform_) focused_ = platform_->TakeFocus();
  on_close_up(this);
}

void TRxDBLookupCombo::Reset() {
  CloseUp(false);
  TRxLookupControl::Reset();
}

void TRxDBLookupCombo::StepValue(int32_t distance) {
  data::TDataSet* table = LookupDataSet();
  if (ValueIsEmpty(Value()) || !Locate(*KeyField(), Value(), true)) {
    table->GoFirst();
  } else {
    table->Step(distance);
  }
  SetValue(CurrentKeyText());
}

bool TRxDBLookupCombo::KeyDown(LookupKey key, bool alt) {
  const bool vertical = key == LookupKey::kDown || key == LookupKey::kUp;
  if (vertical && alt) {
    if (ListVisible()) {
      CloseUp(true);
    } else {
      DropDown();
    }
    return true;
  }
  if (ListVisible()) {
    switch (key) {
      case LookupKey::kReturn:
        CloseUp(true);
        return true;
      case LookupKey::kEscape:
        CloseUp(false);
        return true;
      default:
        if (!list_->KeyDown(key)) return false;
        Invalidate();
        return true;
    }
  }
  if (vertical) {
    if (CanModify()) StepValue(key == LookupKey::kDown ? 1 : -1);
    return true;
  }
  if (key == LookupKey::kEscape && escape_clear && !ValueIsEmpty(Value()) && CanModify()) {
    Reset();
    return true;
  }
  return false;
}

void TRxDBLookupCombo::KeyPress(char key) {
  const bool backspace = key == kBackspaceChar;
  if (!backspace && static_cast<unsigned char>(key) < 32) return;
  if (!ListVisible()) {
    if (backspace) return;
    DropDown();
    if (!ListVisible()) return;
  }
  list_->KeyPress(key);
  Invalidate();
}

base::Rect TRxDBLookupCombo::ListClientRect() const {
  const int32_t border = std::max(0, list_metrics_.list_border);
  const int32_t x = list_rect_.left + border;
  const int32_t y = list_rect_.top + border;
  return {x, y, x + list_->ClientWidth(), y + list_->ClientHeight()};
}

void TRxDBLookupCombo::SetState(PickerState state) {
  state_ = state;
  if (!Tracking()) pressed_ = false;
}

void TRxDBLookupCombo::SetPressed(bool pressed) {
  assert(!pressed || Tracking());
  if (pressed == pressed_) return;
  pressed_ = pressed;
  Invalidate();
}

void TRxDBLookupCombo::StopTracking() {
  SetPressed(false);
  SetState(ListVisible() ? PickerState::kOpen : PickerState::kClosed);
  if (platform_) platform_->ReleaseMouse();
}

void TRxDBLookupCombo::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TRxLookupControl::MouseDown(button, shift, x, y);
  if (button == ui::TMouseButton::mbLeft) LeftButtonDown(x, y);
}

void TRxDBLookupCombo::MouseMove(ui::TShiftState shift, int x, int y) {
  TRxLookupControl::MouseMove(shift, x, y);
  PointerMoved(x, y);
}

void TRxDBLookupCombo::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TRxLookupControl::MouseUp(button, shift, x, y);
  if (button == ui::TMouseButton::mbLeft) LeftButtonUp(x, y);
}

void TRxDBLookupCombo::LeftButtonDown(int32_t x, int32_t y) {
  if (!focused_) {
    if (!platform_ || !platform_->TakeFocus()) return;
    focused_ = true;
    Invalidate();
  }
  if (ListVisible()) {
    CloseUp(false);
    return;
  }
  if (!CanModify()) return;
  SetState(PickerState::kHeldClosed);  // held until DropDown opens the list
  if (platform_) platform_->CaptureMouse(LookupPart::kPicker);
  DropDown();
  PointerMoved(x, y);
}

void TRxDBLookupCombo::PointerMoved(int32_t x, int32_t y) {
  if (!Tracking() || !platform_) return;
  const LookupGeometry geometry = platform_->Geometry();
  const base::Rect& client = geometry.picker_client;
  const PickerLayout layout =
      LayoutPicker(client.Width(), client.Height(), geometry.metrics.scroll_bar_width, geometry.scale);
  SetPressed(layout.button.Contains({x, y}));
  if (!ListVisible()) return;
  const int64_t screen_x = int64_t{x} + client.left;
  const int64_t screen_y = int64_t{y} + client.top;
  const base::Rect rows = ListClientRect();
  if (screen_x < rows.left || screen_x >= rows.right || screen_y < rows.top || screen_y >= rows.bottom)
    return;
  // The pointer entered the list: it takes over the drag as if pressed there.
  StopTracking();
  list_->MouseDown(ui::TMouseButton::mbLeft, 1u << ui::ssLeft, static_cast<int>(screen_x - rows.left),
                   static_cast<int>(screen_y - rows.top));
}

void TRxDBLookupCombo::LeftButtonUp(int32_t x, int32_t y) {
  if (!Tracking()) return;
  PointerMoved(x, y);
  if (Tracking()) {
    StopTracking();  // released on the picker: the list stays open
    return;
  }
  // Released over the list without a move in between: the list ends the drag.
  if (list_->Tracking() && platform_) {
    const base::Rect& client = platform_->Geometry().picker_client;
    const base::Rect rows = ListClientRect();
    list_->MouseUp(ui::TMouseButton::mbLeft, 0, static_cast<int>(int64_t{x} + client.left - rows.left),
                   static_cast<int>(int64_t{y} + client.top - rows.top));
  }
}

void TRxDBLookupCombo::FocusChanged(bool focused) {
  // Still focused while the list closes, so it does not take the focus back.
  if (!focused) CloseUp(false);
  if (focused_ == focused) return;
  focused_ = focused;
  Invalidate();
}

void TRxDBLookupCombo::CancelMode() {
  if (ListVisible()) {
    CloseUp(false);
  } else if (Tracking()) {
    StopTracking();
  }
}

void TRxDBLookupCombo::CancelTracking() {
  if (Tracking()) StopTracking();
}

const resources::ClassInfo& TRxDBLookupCombo::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::IntegerProperty<&TRxDBLookupCombo::drop_down_count>("DropDownCount"),
      resources::IntegerProperty<&TRxDBLookupCombo::drop_down_width>("DropDownWidth"),
      resources::EnumProperty<&TRxDBLookupCombo::drop_down_align>("DropDownAlign", kDropDownAlignNames),
      resources::BoolProperty<&TRxDBLookupCombo::escape_clear>("EscapeClear"),
      resources::BoolProperty<&TRxDBLookupCombo::display_all_fields>("DisplayAllFields"),
      resources::EventProperty<&TRxDBLookupCombo::on_close_up>("OnCloseUp"),
      resources::EventProperty<&TRxDBLookupCombo::on_change>("OnChange"),
      resources::EventProperty<&TRxDBLookupCombo::on_drop_down>("OnDropDown"),
  };
  static const resources::ClassInfo info{"TRxDBLookupCombo",
                                         &TRxLookupControl::Class(),
                                         kProperties,
                                         {},
                                         {},
                                         resources::Creator<TRxDBLookupCombo>};
  return info;
}

}  // namespace search
