#include "app/forms/view_classes.h"

#include "app/docking/dock_view.h"
#include "app/docking/floating_window_view.h"
#include "app/docking/tool_window_view.h"
#include "app/menus/drop_down_view.h"
#include "app/toolbar/toolbar_view.h"
#include "search/lookup_combo_view.h"
#include "search/mask_edit_view.h"
#include "ui/controls/label/label_view.h"
#include "ui/controls/memo/memo_view.h"
#include "ui/controls/panel/panel_view.h"
#include "ui/controls/status_bar/status_bar_view.h"

namespace app {

void RegisterViewClasses(ui::ViewFactory& views) {
  views.Register<ui::TLabel, ui::LabelView>();
  views.Register<ui::TPanel, ui::PanelView>();
  views.Register<ui::TMemo, ui::MemoView>();
  views.Register<ui::TStatusBar, ui::StatusBarView>();
  views.Register<TTBDock, DockView>();
  views.Register<TTBToolbar, ToolbarView>();
  views.Register<TTBToolWindow, ToolWindowView>();
  views.Register<TTBFloatingWindowParent, FloatingWindowView>();
  views.Register<TTBDropDownWindow, DropDownView>();
  views.Register<search::TMaskEdit, search::MaskEditView>();
  views.Register<search::TRxDBLookupCombo, search::LookupComboView>();
}

}  // namespace app
