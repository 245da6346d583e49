// TMainForm: the main window. Its description creates its members and binds
// their events to the handler methods below. "Выход" closes the window (which
// ends the program) and "O..." shows the About window. The two searches look
// up one phone record by key and write the same three-line answer into the
// result memo:
//   " *** Результат. ***"
//   "Фамилия - " + the person's name (loFIO of the found phone record)
//   "Телефон - " + the number in plain decimal
// The number search runs on Enter in the number field; the name search each
// time the name picker's list closes.
#pragma once

#include "app/docking/tb_dock.h"
#include "app/docking/tb_tool_window.h"
#include "app/menus/tb_item.h"
#include "app/menus/tb_submenu_item.h"
#include "app/skin/tb_skin.h"
#include "app/toolbar/tb_toolbar.h"
#include "app/toolbar/tb_visibility_toggle_item.h"
#include "data/client_data_set.h"
#include "data/data_source.h"
#include "data/field.h"
#include "search/mask_edit.h"
#include "search/rx_db_lookup_combo.h"
#include "ui/controls/label/label.h"
#include "ui/controls/memo/memo.h"
#include "ui/controls/status_bar/status_bar.h"
#include "ui/model/form.h"

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

  // Closes this window.
  void TBItem1Click(base::TComponent* sender);
  // Shows the About window, a window named "fmAbout" owned by this window's
  // owner, without waiting for it.
  void TBItem2Click(base::TComponent* sender);
  // The name search: daTel's order set to "FIO", SeekKey with KEY_F of
  // daFio's current record, the answer when found (else the memo stays),
  // then the remembered order restored, also when a step in between fails.
  // Nothing while the window is being destroyed.
  void RxDBLookupCombo1CloseUp(base::TComponent* sender);
  // The number search, on Enter only (`key` is never changed): MaskEdit1's
  // Text converted to an integer (EConvertError when it does not convert;
  // then nothing else happens), SeekKey on daTel in its "TEL" order, the
  // answer when found, and the field cleared, found or not.
  void MaskEdit1KeyPress(base::TComponent* sender, char& key);
  // Both select the whole text of the number field.
  void MaskEdit1Enter(base::TComponent* sender);
  void MaskEdit1Click(base::TComponent* sender);

  // Finds the members, after every component has been read.
  void Loaded() override;

  const char* ClassName() const override { return "TMainForm"; }
  static const resources::ClassInfo& Class();

 private:
  // Whether the members that the answer needs are there (a description
  // without them gets no search).
  bool CanAnswer() const;
  // Replaces meResult's lines with the answer for daTel's current record,
  // left-justified.
  void WriteAnswer();
};

}  // namespace app
