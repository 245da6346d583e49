#include "app/forms/main_form.h"

#include <cstdint>
#include <string>

#include "base/exception.h"
#include "base/str_to_int.h"
#include "text/literal.h"
#include "ui/model/strings.h"

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

namespace {

constexpr auto kAnswerTitle = text::Cp1251(u8" *** Результат. ***");
constexpr auto kNameLabel = text::Cp1251(u8"Фамилия - ");
constexpr auto kNumberLabel = text::Cp1251(u8"Телефон - ");

}  // namespace

bool TMainForm::CanAnswer() const {
  return daTel && meResult && daTelloFIO && daTelTEL;
}

void TMainForm::WriteAnswer() {
  // The memo's window gets the answer as one text, not four.
  const ui::StringsUpdate update(*meResult->Lines());
  meResult->Lines()->Clear();
  meResult->SetAlignment(ui::TAlignment::taLeftJustify);
  meResult->Lines()->Add(kAnswerTitle.str());
  meResult->Lines()->Add(kNameLabel.str() + daTelloFIO->AsString());
  meResult->Lines()->Add(kNumberLabel.str() + daTelTEL->AsString());
}

void TMainForm::RxDBLookupCombo1CloseUp(base::TComponent*) {
  // The list also closes while the window goes (its table's link ends); the
  // tables are then half gone and nobody reads the answer.
  if (Destroying() || !CanAnswer() || !daFioKEY_F) return;
  const std::string remembered = daTel->IndexFieldNames();
  daTel->SetIndexFieldNames("FIO");
  try {
    const std::int32_t key = daFioKEY_F->AsInteger();
    if (daTel->SeekKey({std::int64_t{key}})) WriteAnswer();
  } catch (...) {
    // The number search relies on the order being back; the first error is
    // the one to show, so a failure to restore is not reported over it.
    try {
      daTel->SetIndexFieldNames(remembered);
    } catch (const base::Exception&) {
    }
    throw;
  }
  daTel->SetIndexFieldNames(remembered);
}

void TMainForm::MaskEdit1KeyPress(base::TComponent*, char& key) {
  if (key != '\r' || !MaskEdit1) return;
  const std::int32_t number = base::StrToInt(MaskEdit1->Text());
  if (CanAnswer() && daTel->SeekKey({std::int64_t{number}})) WriteAnswer();
  MaskEdit1->Clear();
}

void TMainForm::MaskEdit1Enter(base::TComponent*) {
  if (MaskEdit1) MaskEdit1->SelectAll();
}

void TMainForm::MaskEdit1Click(base::TComponent*) {
  if (MaskEdit1) MaskEdit1->SelectAll();
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
