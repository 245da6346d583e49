#include "tests/win/density_layout.h"

#include <optional>

#include "app/forms/component_classes.h"
#include "resources/component_reader.h"
#include "resources/window_resource.h"
#include "tests/win/program_windows.h"
#include "ui/controls/label/label.h"

namespace testing_support {

namespace {

// The character height of the font `window` draws with, when it tells.
std::optional<int> FontHeightOf(HWND window) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW log{};
  if (!font || GetObjectW(font, sizeof log, &log) != sizeof log) return std::nullopt;
  return log.lfHeight;
}

}  // namespace

void ReadFreshForm(ui::TForm& form, const char* class_name) {
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  resources::ReadComponentStream(resources::FindWindowStream(class_name, nullptr), form, registry);
}

RECT OuterRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

std::string Describe(const RECT& place) {
  return std::to_string(place.left) + "," + std::to_string(place.top) + " " + std::to_string(place.right) +
         "x" + std::to_string(place.bottom);
}

std::vector<std::string> Misplaced(const ui::FormWindow& window, const app::ScaledFormLayout& expected) {
  std::vector<std::string> wrong;
  for (const app::PlacedControl& placed : expected.controls) {
    const std::string& name = placed.control->Name();
    const ui::ControlView* view = window.ViewNamed(name);
    if (!view || !view->Handle()) {
      wrong.push_back(name + ": no window");
      continue;
    }
    const RECT want{placed.bounds.left, placed.bounds.top, placed.bounds.Width(), placed.bounds.Height()};
    RECT got = PlaceInParent(view->Handle());
    // A label that sizes itself to its text is as wide and high as the text
    // in its font, which only the system measures; its place is the layout's.
    const auto* label = dynamic_cast<const ui::TLabel*>(placed.control);
    if (label && label->auto_size && got.right > 0 && got.bottom > 0) {
      got.right = want.right;
      got.bottom = want.bottom;
    }
    if (!EqualRect(&got, &want))
      wrong.push_back(name + ": " + Describe(got) + ", expected " + Describe(want));
    const std::optional<int> font = FontHeightOf(view->Handle());
    if (placed.font_height != 0 && font && *font != placed.font_height) {
      wrong.push_back(name + ": font height " + std::to_string(*font) + ", expected " +
                      std::to_string(placed.font_height));
    }
  }
  return wrong;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

}  // namespace testing_support
