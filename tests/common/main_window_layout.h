// The main window's layout at the stored density (96 pixels per inch), as
// its description (resources/main_form.form) stores it: the window's outer
// and client size, the result window's client area, and each control's place
// in its parent's client area with its size. The docks, the status bar and
// the memo store the places their alignment gives them; the result window
// spans its dock. Every test of the main window's layout, host and Windows,
// takes its figures from this one table; the host test
// ScaledFormLayoutTest.TheLayoutTableIsWhatTheDescriptionStores holds the
// table to the compiled description, so it cannot say anything else.
#pragma once

#include <string_view>

#include "base/rect.h"

namespace testing_support {

struct StoredPlace {
  std::string_view name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  base::Point Origin() const { return {left, top}; }
  base::Size Extent() const { return {width, height}; }
  base::Rect Box() const { return base::Rect::At(Origin(), Extent()); }
};

inline constexpr base::Size kMainWindowOuter{307, 223};
inline constexpr base::Size kMainWindowClient{299, 196};
// twResult's client area, which the memo fills.
inline constexpr base::Size kResultWindowClient{289, 93};

inline constexpr StoredPlace kMainWindowPlaces[] = {
    {"doTop", 0, 0, 299, 26},              // the toolbar's dock
    {"doBott", 0, 80, 299, 97},            // the result window's dock
    {"twResult", 0, 0, 299, 97},           // spans its dock
    {"meResult", 0, 0, 289, 93},           // fills the result window's client area
    {"StatusBar1", 0, 177, 299, 19},       //
    {"Label2", 7, 34, 138, 13},            // "Подбор по ФИО"
    {"Label1", 168, 34, 81, 13},           // "Телефон"
    {"RxDBLookupCombo1", 5, 48, 145, 21},  // the name picker
    {"MaskEdit1", 176, 48, 67, 19},        // the number field
};

// The stored place of `name`, one of the table's controls (a name not in
// the table gives an empty place at 0, 0, which no test expects).
constexpr StoredPlace StoredPlaceOf(std::string_view name) {
  for (const StoredPlace& place : kMainWindowPlaces) {
    if (place.name == name) return place;
  }
  return StoredPlace{name};
}

}  // namespace testing_support
