#include "ui/framework/program_icon.h"

#include "resources/program_resources.h"

namespace ui {

namespace {

HICON LoadProgramIcon(int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PHONEBOOK_ICON_ID),
                                       IMAGE_ICON, GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

ClassIcons ProgramIcons() {
  return {LoadProgramIcon(SM_CXICON, SM_CYICON), LoadProgramIcon(SM_CXSMICON, SM_CYSMICON)};
}

}  // namespace ui
