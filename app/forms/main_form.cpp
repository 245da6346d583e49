#include "app/forms/main_form.h"

#include <string_view>

namespace app {

namespace {

template <typename T>
void Find(const base::TComponent& window, std::string_view name, T*& member) {
  member = dynamic_cast<T*>(window.FindComponent(name));
}

}  // namespace

void TMainForm::Loaded() {
  TForm::Loaded();
  Find(*this, "doTop", doTop);
  Find(*this, "doBott", doBott);
  Find(*this, "TBToolbar1", TBToolbar1);
  Find(*this, "twResult", twResult);
  Find(*this, "TBSubmenuItem1", TBSubmenuItem1);
  Find(*this, "TBSubmenuItem2", TBSubmenuItem2);
  Find(*this, "TBItem1", TBItem1);
  Find(*this, "meResult", meResult);
  Find(*this, "TBVisibilityToggleItem1", TBVisibilityToggleItem1);
  Find(*this, "StatusBar1", StatusBar1);
  Find(*this, "TBSkin1", TBSkin1);
  Find(*this, "Label2", Label2);
  Find(*this, "Label1", Label1);
  Find(*this, "RxDBLookupCombo1", RxDBLookupCombo1);
  Find(*this, "daFio", daFio);
  Find(*this, "daTel", daTel);
  Find(*this, "dsFio", dsFio);
  Find(*this, "dsTel", dsTel);
  Find(*this, "daTelTEL", daTelTEL);
  Find(*this, "daTelFIO", daTelFIO);
  Find(*this, "daFioKEY_F", daFioKEY_F);
  Find(*this, "daFioFIO", daFioFIO);
  Find(*this, "daTelloFIO", daTelloFIO);
  Find(*this, "MaskEdit1", MaskEdit1);
  Find(*this, "TBItem2", TBItem2);
}

void TMainForm::TBItem1Click(base::TComponent*) {
  handled.emplace_back("TBItem1Click");
}
void TMainForm::TBItem2Click(base::TComponent*) {
  handled.emplace_back("TBItem2Click");
}
void TMainForm::RxDBLookupCombo1CloseUp(base::TComponent*) {
  handled.emplace_back("RxDBLookupCombo1CloseUp");
}
void TMainForm::MaskEdit1KeyPress(base::TComponent*, char&) {
  handled.emplace_back("MaskEdit1KeyPress");
}
void TMainForm::MaskEdit1Enter(base::TComponent*) {
  handled.emplace_back("MaskEdit1Enter");
}
void TMainForm::MaskEdit1Click(base::TComponent*) {
  handled.emplace_back("MaskEdit1Click");
}

const resources::ClassInfo& TMainForm::Class() {
  static const resources::MethodInfo kMethods[] = {
      resources::PublishedMethod<&TMainForm::TBItem1Click>("TBItem1Click"),
      resources::PublishedMethod<&TMainForm::TBItem2Click>("TBItem2Click"),
      resources::PublishedMethod<&TMainForm::RxDBLookupCombo1CloseUp>("RxDBLookupCombo1CloseUp"),
      resources::PublishedMethod<&TMainForm::MaskEdit1KeyPress>("MaskEdit1KeyPress"),
      resources::PublishedMethod<&TMainForm::MaskEdit1Enter>("MaskEdit1Enter"),
      resources::PublishedMethod<&TMainForm::MaskEdit1Click>("MaskEdit1Click"),
  };
  static const resources::ClassInfo info{"TMainForm", &ui::TForm::Class(), {}, {}, kMethods, nullptr};
  return info;
}

}  // namespace app
