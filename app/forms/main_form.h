// TMainForm: the main window. Its description creates its members and binds
// their events to the handler methods below. "Выход" closes the window (which
// ends the program) and "O..." shows the About window; the name and number
// search handlers are hooks that the search commands fill, and until then
// each records that it ran.
#pragma once

#include <string>
#include <vector>

#include "app/toolbar/tb_dock.h"
#include "app/toolbar/tb_item.h"
#include "app/toolbar/tb_skin.h"
#include "app/toolbar/tb_submenu_item.h"
#include "app/toolbar/tb_tool_window.h"
#include "app/toolbar/tb_toolbar.h"
#include "app/toolbar/tb_visibility_toggle_item.h"
#include "data/client_data_set.h"
#include "data/data_source.h"
#include "data/field.h"
#include "search/mask_edit.h"
#include "search/rx_db_lookup_combo.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/status_bar.h"

namespace app {

class TMainForm : public ui::TForm {
 public:
  explicit TMainForm(base::TComponent* owner) : TForm(owner) {}

  // The members in declaration order, found by name once the description has
  // been read (null when the description lacks one).
  TTBDock* doTop = nullptr;
  TTBDock* doBott = nullptr;
  TTBToolbar* TBToolbar1 = nullptr;
  TTBToolWindow* twResult = nullptr;
  TTBSubmenuItem* TBSubmenuItem1 = nullptr;
  TTBSubmenuItem* TBSubmenuItem2 = nullptr;
  TTBItem* TBItem1 = nullptr;
  ui::TMemo* meResult = nullptr;
  TTBVisibilityToggleItem* TBVisibilityToggleItem1 = nullptr;
  ui::TStatusBar* StatusBar1 = nullptr;
  TTBSkin* TBSkin1 = nullptr;
  ui::TLabel* Label2 = nullptr;
  ui::TLabel* Label1 = nullptr;
  search::TRxDBLookupCombo* RxDBLookupCombo1 = nullptr;
  data::TClientDataSet* daFio = nullptr;
  data::TClientDataSet* daTel = nullptr;
  data::TDataSource* dsFio = nullptr;
  data::TDataSource* dsTel = nullptr;
  data::TField* daTelTEL = nullptr;
  data::TField* daTelFIO = nullptr;
  data::TField* daFioKEY_F = nullptr;
  data::TField* daFioFIO = nullptr;
  data::TField* daTelloFIO = nullptr;
  search::TMaskEdit* MaskEdit1 = nullptr;
  TTBItem* TBItem2 = nullptr;

  // Calls of the search hooks in order, by method name.
  std::vector<std::string> handled;

  // Closes this window.
  void TBItem1Click(base::TComponent* sender);
  // Shows the About window, a window named "fmAbout" owned by this window's
  // owner, without waiting for it.
  void TBItem2Click(base::TComponent* sender);
  void RxDBLookupCombo1CloseUp(base::TComponent* sender);
  void MaskEdit1KeyPress(base::TComponent* sender, char& key);
  void MaskEdit1Enter(base::TComponent* sender);
  void MaskEdit1Click(base::TComponent* sender);

  // Finds the members, after every component has been read.
  void Loaded() override;

  const char* ClassName() const override { return "TMainForm"; }
  static const resources::ClassInfo& Class();
};

}  // namespace app
