#include "app/forms/component_classes.h"

#include "about/fm_about.h"
#include "app/forms/main_form.h"
#include "data/data_classes_info.h"

namespace app {

void RegisterComponentClasses(resources::ClassRegistry& registry) {
  for (const resources::ClassInfo* info : {
           // the windows
           &TMainForm::Class(),
           &about::TfmAbout::Class(),
           // controls
           &ui::TLabel::Class(),
           &ui::TPanel::Class(),
           &ui::TMemo::Class(),
           &ui::TStatusBar::Class(),
           &search::TMaskEdit::Class(),
           &search::TRxDBLookupCombo::Class(),
           // docks, toolbars, items, skin
           &TTBDock::Class(),
           &TTBToolbar::Class(),
           &TTBSubmenuItem::Class(),
           &TTBItem::Class(),
           &TTBVisibilityToggleItem::Class(),
           &TTBToolWindow::Class(),
           &TTBSkin::Class(),
           // tables
           &data::ClientDataSetClass(),
           &data::DataSourceClass(),
           &data::SmallintFieldClass(),
           &data::IntegerFieldClass(),
           &data::StringFieldClass(),
           // sub-objects
           &ui::TFont::Class(),
           &ui::TStrings::Class(),
           &ui::TControlScrollBar::Class(),
           &ui::TStatusPanels::Class(),
           &ui::TStatusPanel::Class(),
           &TTBColors::Class(),
       })
    registry.Register(*info);
}

}  // namespace app
