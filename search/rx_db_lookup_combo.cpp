#include "search/rx_db_lookup_combo.h"

namespace search {

const resources::ClassInfo& TRxDBLookupCombo::Class() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::ComponentProperty<&TRxDBLookupCombo::lookup_source>("LookupSource"),
      resources::StringProperty<&TRxDBLookupCombo::lookup_field>("LookupField"),
      resources::StringProperty<&TRxDBLookupCombo::lookup_display>("LookupDisplay"),
      resources::IntegerProperty<&TRxDBLookupCombo::drop_down_count>("DropDownCount"),
      resources::EventProperty<&TRxDBLookupCombo::on_close_up>("OnCloseUp"),
  };
  static const resources::ClassInfo info{"TRxDBLookupCombo",
                                         &ui::TWinControl::Class(),
                                         kProperties,
                                         {},
                                         {},
                                         resources::Creator<TRxDBLookupCombo>};
  return info;
}

}  // namespace search
