#include "about/fm_about.h"

#include "about/about_accessible.h"
#include "ui/framework/platform_services.h"

namespace about {

namespace {

ui::TControl* AsControl(base::TComponent* sender) {
  return dynamic_cast<ui::TControl*>(sender);
}

}  // namespace

std::unique_ptr<ui::AccessibleDescription> TfmAbout::AccessibleFor(ui::TControl& control) {
  return AboutAccessible(*this, control);
}

void TfmAbout::Loaded() {
  TForm::Loaded();
  FindMember("Panel1", Panel1);
  FindMember("laButtomClose", laButtomClose);
  FindMember("me", me);
  FindMember("laLink1", laLink1);
  FindMember("laLink2", laLink2);
}

void TfmAbout::laButtomCloseMouseEnter(base::TComponent* sender) {
  // Where colours give way (high contrast) the mark under the pointer is
  // drawn in the highlight pair.
  if (ui::TControl* mark = AsControl(sender)) mark->SetColor(ui::clSkyBlue, ui::SchemePair::kHighlight);
}

void TfmAbout::laButtomCloseMouseLeave(base::TComponent* sender) {
  if (ui::TControl* mark = AsControl(sender)) mark->SetColor(ui::clInfoBk);
}

void TfmAbout::laButtomCloseClick(base::TComponent*) {
  Close();
}

bool TfmAbout::EscapePressed() {
  Close();
  return true;
}

void TfmAbout::Showing() {
  strip_.Shown();
  ShowStripFocus();
}

bool TfmAbout::KeyPressed(ui::FormKey key) {
  const StripKey strip_key = key == ui::FormKey::kTab        ? StripKey::kTab
                             : key == ui::FormKey::kShiftTab ? StripKey::kShiftTab
                             : key == ui::FormKey::kEnter    ? StripKey::kEnter
                                                             : StripKey::kSpace;
  const StripOutcome outcome = strip_.Key(strip_key);
  ShowStripFocus();
  if (ui::TLabel* acting = LabelOf(outcome.act)) acting->Click();
  return outcome.taken;
}

ui::TControl* TfmAbout::HeldFocus() const {
  return LabelOf(strip_.Focused());
}

ui::TLabel* TfmAbout::LabelOf(StripPart part) const {
  switch (part) {
    case StripPart::kPortalLink:
      return laLink2;
    case StripPart::kMakerLink:
      return laLink1;
    case StripPart::kCloseMark:
      return laButtomClose;
    case StripPart::kNone:
      break;
  }
  return nullptr;
}

void TfmAbout::ShowStripFocus() {
  // The one losing the focus first, so a reader hears the new one last.
  for (const StripPart part : {StripPart::kPortalLink, StripPart::kMakerLink, StripPart::kCloseMark}) {
    if (ui::TLabel* label = LabelOf(part); label && part != strip_.Focused())
      label->SetHeldFocus(false, false);
  }
  if (ui::TLabel* focused = LabelOf(strip_.Focused())) focused->SetHeldFocus(true, strip_.CueShown());
}

void TfmAbout::laLink1MouseEnter(base::TComponent* sender) {
  if (ui::TControl* link = AsControl(sender)) link->SetCursor(ui::crHandPoint);
}

void TfmAbout::laLink1MouseLeave(base::TComponent* sender) {
  if (ui::TControl* link = AsControl(sender)) link->SetCursor(ui::crDefault);
}

void TfmAbout::FormMouseDown(base::TComponent*, ui::TMouseButton, ui::TShiftState, int, int) {
  StartMoveByCaption();
}

void TfmAbout::laLink2Click(base::TComponent*) {
  OpenPage(kPortalDirectoryPage);
}

void TfmAbout::laLink1Click(base::TComponent*) {
  OpenPage(kMakerHomePage);
}

void TfmAbout::OpenPage(const char* address) const {
  ui::ShellOpener* shell = ui::ServicesOf(*this).shell;
  if (!shell) return;
  // The answer (above 32 when the page opened) is deliberately ignored.
  static_cast<void>(
      shell->ShellExecute(nullptr, nullptr, address, nullptr, nullptr, ui::ShellOpener::kShowNormal));
}

const resources::ClassInfo& TfmAbout::Class() {
  static const resources::MethodInfo kMethods[] = {
      resources::PublishedMethod<&TfmAbout::laButtomCloseMouseEnter>("laButtomCloseMouseEnter"),
      resources::PublishedMethod<&TfmAbout::laButtomCloseMouseLeave>("laButtomCloseMouseLeave"),
      resources::PublishedMethod<&TfmAbout::laButtomCloseClick>("laButtomCloseClick"),
      resources::PublishedMethod<&TfmAbout::laLink1MouseEnter>("laLink1MouseEnter"),
      resources::PublishedMethod<&TfmAbout::laLink1MouseLeave>("laLink1MouseLeave"),
      resources::PublishedMethod<&TfmAbout::FormMouseDown>("FormMouseDown"),
      resources::PublishedMethod<&TfmAbout::laLink2Click>("laLink2Click"),
      resources::PublishedMethod<&TfmAbout::laLink1Click>("laLink1Click"),
  };
  static const resources::ClassInfo info{"TfmAbout", &ui::TForm::Class(), {}, {}, kMethods, nullptr};
  return info;
}

}  // namespace about
