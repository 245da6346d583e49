#include "about/fm_about.h"

namespace about {

namespace {

template <typename T>
T* Member(const base::TComponent& window, std::string_view name) {
  return dynamic_cast<T*>(window.FindComponent(name));
}

}  // namespace

void TfmAbout::Loaded() {
  TForm::Loaded();
  Panel1 = Member<ui::TPanel>(*this, "Panel1");
  laButtomClose = Member<ui::TLabel>(*this, "laButtomClose");
  me = Member<ui::TMemo>(*this, "me");
  laLink1 = Member<ui::TLabel>(*this, "laLink1");
  laLink2 = Member<ui::TLabel>(*this, "laLink2");
}

void TfmAbout::laButtomCloseMouseEnter(base::TComponent*) {
  handled.emplace_back("laButtomCloseMouseEnter");
}
void TfmAbout::laButtomCloseMouseLeave(base::TComponent*) {
  handled.emplace_back("laButtomCloseMouseLeave");
}
void TfmAbout::laButtomCloseClick(base::TComponent*) {
  handled.emplace_back("laButtomCloseClick");
}
void TfmAbout::laLink1MouseEnter(base::TComponent*) {
  handled.emplace_back("laLink1MouseEnter");
}
void TfmAbout::laLink1MouseLeave(base::TComponent*) {
  handled.emplace_back("laLink1MouseLeave");
}
void TfmAbout::FormMouseDown(base::TComponent*, ui::TMouseButton, std::uint32_t, int, int) {
  handled.emplace_back("FormMouseDown");
}
void TfmAbout::laLink2Click(base::TComponent*) {
  handled.emplace_back("laLink2Click");
}
void TfmAbout::laLink1Click(base::TComponent*) {
  handled.emplace_back("laLink1Click");
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
