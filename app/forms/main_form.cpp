#include "app/forms/main_form.h"

namespace app {

void TMainForm::Loaded() {
  TForm::Loaded();
  FindMember("doTop", doTop);
  FindMember("doBott", doBott);
  FindMember("TBToolbar1", TBToolbar1);
  FindMember("twResult", twResult);
  FindMember("TBSubmenuItem1", TBSubmenuItem1);
  FindMember("TBSubmenuItem2", TBSubmenuItem2);
  FindMember("TBItem1", TBItem1);
  FindMember("meResult", meResult);
  FindMember("TBVisibilityToggleItem1", TBVisibilityToggleItem1);
  FindMember("StatusBar1", StatusBar1);
  FindMember("TBSkin1", TBSkin1);
  FindMember("Label2", Label2);
  FindMember("Label1", Label1);
  FindMember("RxDBLookupCombo1", RxDBLookupCombo1);
  FindMember("daFio", daFio);
  FindMember("daTel", daTel);
  FindMember("dsFio", dsFio);
  FindMember("dsTel", dsTel);
  FindMember("daTelTEL", daTelTEL);
  FindMember("daTelFIO", daTelFIO);
  FindMember("daFioKEY_F", daFioKEY_F);
  FindMember("daFioFIO", daFioFIO);
  FindMember("daTelloFIO", daTelloFIO);
  FindMember("MaskEdit1", MaskEdit1);
  FindMember("TBItem2", TBItem2);
}

void TMainForm::TBItem1Click(base::TComponent*) {
  Close();
}

void TMainForm::TBItem2Click(base::TComponent*) {
  if (!Owner()) return;
  if (auto* about = dynamic_cast<ui::TForm*>(Owner()->FindComponent("fmAbout"))) about->Show();
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
